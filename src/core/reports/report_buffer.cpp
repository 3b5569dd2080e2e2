#include "core/reports/report_buffer.h"

namespace vessa {

std::string ReportBuffer::Text() const {
  std::string out;
  for (const auto& line : lines_) {
    out += line;
    out += '\n';
  }
  return out;
}

}  // namespace vessa
