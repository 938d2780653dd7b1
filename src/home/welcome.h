#pragma once
// The user's greeting and picture on the home page, with their defaults.
#include <string>

namespace cw {

// The stored greeting (Welcome_Word), or the default greeting when it is empty.
std::string GreetingText(const std::string& welcome_word);

// The stored picture path (Welcome_Picture), or the shipped Default.gif when it is empty.
std::string WelcomePicturePath(const std::string& welcome_picture);

}  // namespace cw
