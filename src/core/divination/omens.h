#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Folk omens: seven signs of the body or the house (a sneeze, a hot face, a start
// of the heart, a barking dog, a twitching eye, a hot ear, a ringing ear), each
// read by the time of day it happens. The pages are compiled into the program.
namespace vessa {

inline constexpr int kOmenTopicCount = 7;

struct OmenTopic {
  std::string_view menuEntry;  // "打喷嚏占卜"
  std::string_view caption;    // the window's caption, "打喷嚏占卜吉凶"
};

// Index 0-6: 打喷嚏, 面热, 心惊, 犬吠, 眼跳, 耳热, 耳鸣.
const std::array<OmenTopic, kOmenTopicCount>& OmenTopics();

// The page of a topic as the window shows it: its entries with an empty line
// between them. Page 0 has twelve entries, one per two-hour span from 1-3
// o'clock on; pages 1-6 six, each two double hours side by side (子 with 午 …
// 巳 with 亥; page 6 子丑, 寅未, 卯申, 辰酉, 巳戌, 午亥). Empty for another index.
std::vector<std::string> OmenPage(int index);

// The reading of one clock hour (0-23) of a topic: page 0 the line of its span
// (23 and 0 fall in 23-1), pages 1-6 the half line of its double hour (子 is
// 23-1, 丑 1-3, …). "" for an index or hour outside the ranges.
std::string OmenReadingAt(int index, int hour);

// The note under every page: the clock spans of the double hours.
const std::array<std::string_view, 4>& OmenNote();

}  // namespace vessa
