#include "gui/kit/url_seam.h"

#include <QDesktopServices>

namespace vessa {
namespace {
UrlSink& Sink() {
  static UrlSink sink;
  return sink;
}
}  // namespace

void SetUrlSink(UrlSink sink) { Sink() = std::move(sink); }

void OpenUrl(const QUrl& url) {
  if (Sink()) {
    Sink()(url);
    return;
  }
  QDesktopServices::openUrl(url);
}

}  // namespace vessa
