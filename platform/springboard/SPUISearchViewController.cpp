#include "springboard/SPUISearchViewController.h"

#include "contracts/SPUISearchViewController.h"
#include "springboard/HostSupport.h"
#include "uikit/UIColor.h"
#include "uikit/UIScreen.h"

namespace springboard {

using Messages = contracts::SPUISearchViewController;

namespace {

constexpr CGFloat margin = 12;

} // namespace

void SPUISearchViewController::registerMethods(Class cls)
{
    cls->addMethod(Messages::init, objc::implementation<&SPUISearchViewController::ownInit>);
    cls->addMethod(
        Messages::presentsFromEdge, objc::implementation<&SPUISearchViewController::ownPresentsFromEdge>);
}

std::shared_ptr<SPUISearchViewController> SPUISearchViewController::create()
{
    auto controller = std::make_shared<SPUISearchViewController>();
    return objc::cast<SPUISearchViewController>(objc::retain(Messages::init(controller.get())));
}

id SPUISearchViewController::ownInit()
{
    setTitle("Search");
    return this;
}

long SPUISearchViewController::presentsFromEdge()
{
    return Messages::presentsFromEdge(this);
}

void SPUISearchViewController::loadView()
{
    CGRect screen = UIScreen::mainScreen()->bounds();
    CGFloat width = screen.size.width;
    auto content = makeView("SPUISearchView");
    content->setFrame(screen);
    auto field = makeView("searchField", UIColor::colorWithWhite(1, 0.2));
    field->setFrame(CGRectMake(margin, 8, width - 2 * margin, 30));
    field->layer().setCornerRadius(8);
    field->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    auto placeholder = makeLabel("searchPlaceholder", "HelveticaNeue", 15, NSTextAlignmentLeft);
    placeholder->setText("Search");
    placeholder->setTextColor(UIColor::colorWithWhite(1, 0.6));
    placeholder->setFrame(CGRectMake(10, 0, width - 2 * margin - 20, 30));
    field->addSubview(placeholder);
    auto suggestions = makeLabel("suggestionsHeader", "HelveticaNeue-Medium", 13, NSTextAlignmentLeft);
    suggestions->setText("SUGGESTIONS");
    suggestions->setTextColor(UIColor::colorWithWhite(1, 0.7));
    suggestions->setFrame(CGRectMake(margin, 54, width - 2 * margin, 20));
    content->addSubview(field);
    content->addSubview(suggestions);
    setView(content);
}

} // namespace springboard
