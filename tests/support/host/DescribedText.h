#pragma once

#include <memory>
#include <string>

class NSAttributedString;

// The text with each inline image written as [its resource name], so a test can compare a line
// mixing icons and words in one string.
std::string describedText(const std::shared_ptr<NSAttributedString>& text);
