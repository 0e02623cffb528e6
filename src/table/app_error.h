#pragma once
// The message with which a trapping procedure reports a run-time failure.
#include <string>

namespace brackwell {

inline constexpr char kSupportAddress[] = "support@brackwell.example";
inline constexpr char kApplicationErrorTitle[] = "Application Error";

std::string applicationErrorText(const std::string& description, const std::string& procedure,
                                 int line);

}  // namespace brackwell
