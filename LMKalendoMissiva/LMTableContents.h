#pragma once

#include "LMKalendoMissiva/LMSchedule.h"
#include "uikit/CGGeometry.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class UIImage;
namespace contracts {
class OBNotificationRow;
class OBNotificationSection;
}

// Everything the table's headers and rows show, as plain values: two reloads that gather equal
// contents would build the same views, so the second need not build any. Pictures count by
// identity (the same image object, held so that its address is not reused), which at worst
// builds again for an equal picture.
struct LMTableContents {
    struct Item {
        std::optional<std::string> type;
        std::string title;
        double date { 0 };
        std::optional<std::array<CGFloat, 4>> color;
        bool isNow { false };
        bool operator==(const Item&) const = default;
    };
    struct Row {
        std::optional<std::string> title;
        std::optional<std::string> message;
        double date { 0 };
        std::shared_ptr<UIImage> attachment;
        bool operator==(const Row&) const = default;
    };
    struct Section {
        std::string key;
        std::string sectionID;
        std::optional<std::string> appName;
        std::optional<std::string> appIdentifier;
        std::shared_ptr<UIImage> icon;
        std::vector<Row> rows;
        bool operator==(const Section&) const = default;
    };
    // What the views read besides the data: the settings, the width, the collapsed sections,
    // and the day and the clock's time zone and locale, which decide every time stamp's text.
    struct Surroundings {
        std::uint64_t settingsGeneration { 0 };
        CGFloat width { 0 };
        std::map<std::string, bool> collapsed;
        double startOfToday { 0 };
        std::string timeZone;
        std::string locale;
        bool operator==(const Surroundings&) const = default;
    };

    static LMTableContents of(const LMSchedule&,
        const std::map<std::string, std::vector<std::shared_ptr<contracts::OBNotificationRow>>>&,
        const std::map<std::string, std::shared_ptr<contracts::OBNotificationSection>>&, Surroundings,
        std::string eventsSummary, std::string notificationsSummary);
    // The day, time zone and locale of now.
    static void addClock(Surroundings&);

    std::vector<std::pair<std::string, std::vector<Item>>> schedule;
    bool hasAnyReminders { false };
    bool hasAnyEvents { false };
    std::vector<Section> notifications;
    Surroundings surroundings;
    // The summary lines, which change with the time left until the next item.
    std::string eventsSummary;
    std::string notificationsSummary;

    bool operator==(const LMTableContents&) const = default;
    // Equal but for the summary lines: the same sections, so only the lines need building.
    bool sameButSummaries(const LMTableContents&) const;
};
