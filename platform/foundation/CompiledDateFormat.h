#pragma once

#include <unicode/smpdtfmt.h>

#include <memory>
#include <optional>
#include <string>

namespace foundation {

// One date pattern compiled by ICU for a locale and a time zone. Most patterns show nothing
// finer than minutes; for those the last text is kept and given again for any moment of the
// same local minute, so a clock asking every second formats once a minute. Not part of the
// public interface.
class CompiledDateFormat {
public:
    explicit CompiledDateFormat(std::unique_ptr<icu::SimpleDateFormat>, const std::string& pattern);

    std::string format(UDate);
    const icu::SimpleDateFormat& icuFormat() const { return *m_format; }

    // Whether the pattern shows seconds or anything finer, outside its quoted text.
    static bool showsSeconds(const std::string& pattern);

private:
    struct Kept {
        UDate from;
        UDate until;
        std::string text;
    };

    // The zone's whole offset from UTC at the moment, in milliseconds.
    std::optional<int32_t> offsetAt(UDate) const;

    std::unique_ptr<icu::SimpleDateFormat> m_format;
    bool m_showsSeconds;
    std::optional<Kept> m_kept;
};

} // namespace foundation
