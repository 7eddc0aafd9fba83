#pragma once

#include <memory>
#include <string>

class UIImageView;

namespace contracts {

class OBDayForecast {
public:
    virtual ~OBDayForecast() = default;
    // The day's name; "Today" for the current day.
    virtual std::string dayOfWeek() = 0;
    virtual int high() = 0;
    virtual int low() = 0;
    virtual std::shared_ptr<UIImageView> conditionImageView() = 0;
};

} // namespace contracts
