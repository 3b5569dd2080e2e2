#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vessa {

// The result pane seen as an ordered list of lines. Columns are aligned with
// blanks on the assumption that a Chinese character is two blanks wide. A line
// holds no line break.
class ReportBuffer {
 public:
  void Clear() {
    lines_.clear();
    ++revision_;
  }
  // An empty text appends an empty line.
  void AddLine(std::string text) {
    lines_.push_back(std::move(text));
    ++revision_;
  }
  void AddLine(std::string_view text) { AddLine(std::string(text)); }
  void AddLine(const char* text) { AddLine(std::string(text)); }

  const std::vector<std::string>& Lines() const { return lines_; }
  std::size_t Count() const { return lines_.size(); }
  bool Empty() const { return lines_.empty(); }
  // Every line followed by "\n".
  std::string Text() const;
  // Replaces the whole content (a text file loaded into the pane).
  void Assign(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    ++revision_;
  }
  // Counts every change, so a caller can tell whether a command touched the pane.
  std::size_t Revision() const { return revision_; }

 private:
  std::vector<std::string> lines_;
  std::size_t revision_ = 0;
};

}  // namespace vessa
