#include "overlays/LMWeatherDisplayDayView.h"

#include "contracts/OBDayForecast.h"
#include "overlays/LMWeatherText.h"
#include "settings/LMSettings.h"
#include "uikit/NSAttributedString.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

std::shared_ptr<LMWeatherDisplayDayView> LMWeatherDisplayDayView::initWithDayForecast(
    std::shared_ptr<contracts::OBDayForecast> forecast, CGRect frame)
{
    auto row = std::make_shared<LMWeatherDisplayDayView>();
    row->m_dayForecast = std::move(forecast);
    row->setFrame(CGRectMake(40, 0, frame.size.width - 80, frame.size.height * 0.034));
    row->setBackgroundColor(UIColor::clearColor());
    row->setUserInteractionEnabled(false);
    row->m_themeColor = LMSettings::sharedInstance()->themeColor();
    CGFloat w = row->width();
    CGFloat h = row->height();
    auto font = UIFont::fontWithName("HelveticaNeue-Light", h - 9);
    auto& day = row->m_dayForecast;

    row->m_dayOfWeekLabel = LMWeatherLabel(
        "dayOfWeekLabel", row->m_themeColor, NSTextAlignmentLeft, CGRectMake(0, 0, 0.4 * w, h));
    row->m_dayOfWeekLabel->setFont(font);
    row->m_dayOfWeekLabel->setText(day ? day->dayOfWeek() : "");
    row->addSubview(row->m_dayOfWeekLabel);

    if ((row->m_conditionImageView = day ? day->conditionImageView() : nullptr)) {
        row->m_conditionImageView->setCenter(CGPointMake(w * 0.5, h * 0.5));
        row->addSubview(row->m_conditionImageView);
    }

    row->m_highLowLabel = LMWeatherLabel(
        "highLowLabel", row->m_themeColor, NSTextAlignmentRight, CGRectMake(0.6 * w, 0, 0.4 * w, h));
    row->m_highLowLabel->setFont(font);
    row->m_highLowLabel->setAttributedText(
        LMHighLowText(day ? day->high() : 0, day ? day->low() : 0, h - 15));
    row->addSubview(row->m_highLowLabel);
    return row;
}
