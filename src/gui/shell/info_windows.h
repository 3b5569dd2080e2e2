#pragma once

class QWidget;

// The static windows of the help and tool menus. Each is created anew for every
// call and shown modally; none has logic.
namespace vessa {

void ShowAboutBox(QWidget* parent);            // "关于系统"
void ShowServiceWindow(QWidget* parent);       // "客户服务"
void ShowBirthSexTableWindow(QWidget* parent);  // "生男生女"

// The object names tests find them by.
inline constexpr const char* kAboutBoxName = "AboutBox";
inline constexpr const char* kServiceWindowName = "ServiceWindow";
inline constexpr const char* kBirthSexWindowName = "BirthSexWindow";

}  // namespace vessa
