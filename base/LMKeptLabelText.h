#pragma once

#include "uikit/UILabel.h"

#include <memory>
#include <optional>
#include <utility>

// A label's attributed text, made again only when what it is made of changes or the label was
// given another text since: the panel's timers set the same text many times a minute.
// The key holds what the text is made of (strings, images by pointer: held, so never reused).
template <class Key> class LMKeptLabelText {
public:
    template <class Make> void set(UILabel& label, Key key, Make&& make)
    {
        if (m_text && label.attributedText() == m_text && m_key == key)
            return;
        label.setAttributedText(std::forward<Make>(make)());
        m_key = std::move(key);
        m_text = label.attributedText();
    }

private:
    std::optional<Key> m_key;
    std::shared_ptr<NSAttributedString> m_text;
};
