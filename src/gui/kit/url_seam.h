#pragma once

#include <QUrl>

#include <functional>

// The one way the program hands an address to the desktop (the browser, the mail
// program, the help file). Tests install a sink so nothing is launched.
namespace vessa {

using UrlSink = std::function<void(const QUrl& url)>;
void SetUrlSink(UrlSink sink);

// Opens the address with the desktop's handler; a failure is silent, as a
// missing browser or mail program is no error of ours.
void OpenUrl(const QUrl& url);

}  // namespace vessa
