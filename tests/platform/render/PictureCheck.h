#pragma once

#include "render/Picture.h"

#include <gtest/gtest.h>

#include <string>

// Compares a rendered picture with FOLDER/NAME.png (FOLDER from the source root), channel by channel
// within a small tolerance. Every picture is written to render-output/ in the working directory;
// on a mismatch a difference image NAME-diff.png lands beside it. LUMORA_UPDATE_REFERENCES=1
// rewrites the reference instead.
testing::AssertionResult matchesReference(const render::Picture& picture, const std::string& name,
    const std::string& folder = "tests/platform/render/reference");
// The whole screen, as rendered at the main screen's scale, against FOLDER/NAME.png.
testing::AssertionResult screenMatchesReference(const std::string& name, const std::string& folder);
