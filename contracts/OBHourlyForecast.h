#pragma once

#include <memory>
#include <string>

class UIImageView;

namespace contracts {

class OBHourlyForecast {
public:
    virtual ~OBHourlyForecast() = default;
    // Text whose first two characters are the hour of day, "00" to "23".
    virtual std::string hour() = 0;
    virtual int temperature() = 0;
    virtual std::shared_ptr<UIImageView> conditionImageView() = 0;
};

} // namespace contracts
