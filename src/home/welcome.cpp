#include "base/product.h"
#include "home/welcome.h"

#include "home/home_texts.h"
#include "home/resource_path.h"

namespace cw {

std::string GreetingText(const std::string& welcome_word) {
  return welcome_word.empty() ? kDefaultGreeting : welcome_word;
}

std::string WelcomePicturePath(const std::string& welcome_picture) {
  return welcome_picture.empty() ? ResourcePath("Default.gif") : welcome_picture;
}

}  // namespace cw
