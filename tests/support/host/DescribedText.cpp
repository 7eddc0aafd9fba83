#include "support/host/DescribedText.h"

#include "uikit/NSAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIImage.h"

std::string describedText(const std::shared_ptr<NSAttributedString>& text)
{
    std::string described;
    for (auto& run : text ? text->runs() : std::vector<NSAttributedRun> {}) {
        if (auto& attachment = run.attributes.attachment)
            described += "[" + (attachment->image() ? attachment->image()->name() : "no image") + "]";
        else
            described += run.text;
    }
    return described;
}
