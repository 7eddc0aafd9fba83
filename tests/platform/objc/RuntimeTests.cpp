// Not yet tested: class methods inherited across more than one superclass level.
#include "objc/CFLog.h"
#include "objc/ClassRef.h"
#include "objc/Message.h"
#include "objc/NSObject.h"
#include "objc/ProcessLocal.h"
#include "objc/Substrate.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;

class Widget : public NSObject {
    OBJC_CLASS(Widget, NSObject)
public:
    int draw(int times)
    {
        journal.push_back("Widget draw " + std::to_string(times));
        return times * 10;
    }
    std::shared_ptr<NSObject> m_child;
    int m_count { 7 };
};

class FancyWidget : public Widget {
    OBJC_CLASS(FancyWidget, Widget)
};

const objc::Message<int(int)> drawMessage { "draw:" };

class RuntimeTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        journal.clear();
        objc::Runtime::registerClass(Widget::staticClass());
        objc::Runtime::registerClass(FancyWidget::staticClass());
        Widget::staticClass()->addMethod(drawMessage, objc::implementation<&Widget::draw>);
        Widget::staticClass()->addIvar("_child", &Widget::m_child);
        Widget::staticClass()->addIvar("_count", &Widget::m_count);
    }
};

objc::IMP<int, int> firstPrevious;
int firstReplacement(id self, SEL cmd, int times)
{
    journal.push_back("first");
    return firstPrevious(self, cmd, times) + 1;
}

objc::IMP<int, int> secondPrevious;
int secondReplacement(id self, SEL cmd, int times)
{
    journal.push_back("second");
    return secondPrevious(self, cmd, times) + 2;
}

} // namespace

TEST_F(RuntimeTest, ObjectsKnowTheirExactClassAndTheirKind)
{
    auto fancy = std::make_shared<FancyWidget>();
    EXPECT_EQ(object_getClass(fancy.get()), objc_getClass("FancyWidget"));
    EXPECT_TRUE(fancy->isKindOfClass(objc_getClass("Widget")));
    EXPECT_FALSE(fancy->isMemberOfClass(objc_getClass("Widget")));
    EXPECT_TRUE(fancy->isKindOfClass(NSObject::staticClass()));
    EXPECT_EQ(fancy->className(), "FancyWidget");
}

TEST_F(RuntimeTest, ClassesAreFoundOnlyWhenTheProcessRegisteredThem)
{
    EXPECT_EQ(objc_getClass("NoSuchClass"), nullptr);
    objc::Runtime::registerClassHidden(FancyWidget::staticClass());
    EXPECT_EQ(objc_getClass("FancyWidget"), nullptr);
    // a hidden class still works for its own objects
    auto fancy = std::make_shared<FancyWidget>();
    EXPECT_EQ(drawMessage(fancy.get(), 1), 10);

    objc::Runtime::beginProcess();
    EXPECT_EQ(objc_getClass("Widget"), nullptr);
}

TEST_F(RuntimeTest, MessagesDispatchThroughTheSuperclassChainAndNilAnswersNothing)
{
    auto fancy = std::make_shared<FancyWidget>();
    EXPECT_EQ(drawMessage(fancy.get(), 3), 30);
    EXPECT_EQ(drawMessage(nullptr, 3), 0);
    const objc::Message<void()> unknown { "unknownMessage" };
    EXPECT_THROW(unknown(fancy.get()), objc::UnrecognizedSelector);
}

TEST_F(RuntimeTest, ChainedReplacementsRunOutermostFirstAndReachTheOriginal)
{
    MSHookMessageEx(objc_getClass("Widget"), drawMessage, &firstReplacement, &firstPrevious);
    MSHookMessageEx(objc_getClass("Widget"), drawMessage, &secondReplacement, &secondPrevious);
    auto widget = std::make_shared<Widget>();
    EXPECT_EQ(drawMessage(widget.get(), 2), 23);
    EXPECT_EQ(journal, (std::vector<std::string> { "second", "first", "Widget draw 2" }));
}

TEST_F(RuntimeTest, ReplacingOnASubclassLeavesTheSuperclassAlone)
{
    MSHookMessageEx(objc_getClass("FancyWidget"), drawMessage, &firstReplacement, &firstPrevious);
    auto widget = std::make_shared<Widget>();
    auto fancy = std::make_shared<FancyWidget>();
    EXPECT_EQ(drawMessage(widget.get(), 1), 10);
    EXPECT_EQ(drawMessage(fancy.get(), 1), 11);
}

TEST_F(RuntimeTest, AReplacementOfAnotherSignatureIsRefusedAtInstallation)
{
    objc::IMP<int, double> previous = nullptr;
    auto wrongReplacement = +[](id, SEL, double) { return 0; };
    EXPECT_THROW(MSHookMessageEx(objc_getClass("Widget"), drawMessage, wrongReplacement, &previous),
        objc::SignatureMismatch);
    EXPECT_EQ(previous, nullptr);
    auto widget = std::make_shared<Widget>();
    EXPECT_EQ(drawMessage(widget.get(), 1), 10);
}

TEST_F(RuntimeTest, ReplacingAMethodNobodyImplementsLeavesAPreviousThatAnswersNothing)
{
    const objc::Message<int(int)> missing { "missing:" };
    objc::IMP<int, int> previous = nullptr;
    MSHookMessageEx(
        objc_getClass("Widget"), missing, +[](id self, SEL, int) { return 5; }, &previous);
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(previous(nullptr, missing, 1), 0);
}

TEST_F(RuntimeTest, AnotherProcessForgetsReplacements)
{
    MSHookMessageEx(objc_getClass("Widget"), drawMessage, &firstReplacement, &firstPrevious);
    objc::Runtime::beginProcess();
    Widget::staticClass()->addMethod(drawMessage, objc::implementation<&Widget::draw>);
    auto widget = std::make_shared<Widget>();
    EXPECT_EQ(drawMessage(widget.get(), 1), 10);
}

TEST_F(RuntimeTest, InstanceVariablesAreReadByNameAndMissingOnesReadAsNothing)
{
    auto fancy = std::make_shared<FancyWidget>();
    fancy->m_child = std::make_shared<Widget>();
    EXPECT_EQ(objc_getIvarNamed<std::shared_ptr<NSObject>>(fancy.get(), "_child"), fancy->m_child);
    EXPECT_EQ(objc_getIvarNamed<int>(fancy.get(), "_count"), 7);
    EXPECT_EQ(class_getInstanceVariable(objc_getClass("Widget"), "_missing"), nullptr);
    EXPECT_EQ(objc_getIvarNamed<std::shared_ptr<NSObject>>(fancy.get(), "_missing"), nullptr);
    EXPECT_EQ(objc_getIvarNamed<int>(nullptr, "_count"), 0);
    EXPECT_THROW(objc_getIvarNamed<double>(fancy.get(), "_count"), objc::SignatureMismatch);
}

TEST_F(RuntimeTest, ClassRefRemembersItsLookUpForOneProcess)
{
    static objc::ClassRef widgetClass { "Widget" };
    EXPECT_EQ(widgetClass.get(), Widget::staticClass());
    objc::Runtime::beginProcess();
    EXPECT_EQ(widgetClass.get(), nullptr);
}

TEST_F(RuntimeTest, ProcessLocalStateStartsAgainInANewProcess)
{
    static objc::ProcessLocal<bool> flag { false };
    static objc::ProcessLocal<std::shared_ptr<Widget>> held;
    *flag = true;
    *held = std::make_shared<Widget>();
    std::weak_ptr<Widget> widget = *held;
    EXPECT_TRUE(*flag);
    objc::Runtime::beginProcess();
    // Released by the end of the process, not on the next process's first look.
    EXPECT_TRUE(widget.expired());
    EXPECT_FALSE(*flag);
}

TEST_F(RuntimeTest, TheEndOfAProcessRunsItsHandlersByStageLatestFirstAndOnlyOnce)
{
    std::vector<std::string> order;
    using objc::ProcessEndStage;
    objc::Runtime::atProcessEnd(ProcessEndStage::SharedInstances, [&] { order.push_back("shared"); });
    objc::Runtime::atProcessEnd(ProcessEndStage::Overlays, [&] { order.push_back("overlay 1"); });
    objc::Runtime::atProcessEnd(ProcessEndStage::Overlays, [&] {
        order.push_back("overlay 2");
        // Registered while ending: still run within the same end.
        objc::Runtime::atProcessEnd(ProcessEndStage::Windows, [&] { order.push_back("window"); });
    });
    objc::Runtime::atProcessEnd(ProcessEndStage::Timers, [&] { order.push_back("timers"); });
    auto generation = objc::Runtime::processGeneration();
    objc::Runtime::endProcess();
    EXPECT_EQ(order, (std::vector<std::string> { "timers", "overlay 2", "overlay 1", "window", "shared" }));
    EXPECT_NE(objc::Runtime::processGeneration(), generation);
    // Already ended: beginning the next process ends nothing more.
    generation = objc::Runtime::processGeneration();
    objc::Runtime::beginProcess();
    EXPECT_EQ(objc::Runtime::processGeneration(), generation);
    EXPECT_EQ(order.size(), 5u);
}

TEST_F(RuntimeTest, ObjectsAreCountedInTheProcessThatMadeThem)
{
    auto generation = objc::Runtime::processGeneration();
    auto before = objc::Runtime::liveObjects(generation);
    auto kept = std::make_shared<Widget>();
    auto dropped = std::make_shared<Widget>();
    dropped.reset();
    objc::Runtime::endProcess();
    EXPECT_EQ(objc::Runtime::liveObjects(generation), before + 1);
    auto next = std::make_shared<Widget>();
    EXPECT_EQ(objc::Runtime::liveObjects(generation), before + 1);
    kept.reset();
    EXPECT_EQ(objc::Runtime::liveObjects(generation), before);
}

TEST(CFLogTest, FormatsLikeThePlatformAndGoesToTheSink)
{
    LogCapture capture;
    CFLog(kCFLogLevelError, "[%s: %s:%d] %s: %@", "Lumora", "Lumora", 384, "ERROR",
        objc::format("logos: nil class %s", "SBLockScreenViewController"));
    ASSERT_EQ(capture.lines().size(), 1u);
    EXPECT_EQ(capture.lines()[0].level, 3);
    EXPECT_EQ(capture.lines()[0].message,
        "[Lumora: Lumora:384] ERROR: logos: nil class SBLockScreenViewController");
}

TEST(FormatTest, HandlesTheConversionsTheSystemUses)
{
    EXPECT_EQ(objc::format("%d%%", 64), "64%");
    EXPECT_EQ(objc::format("(%ld) %@", 2L, "Lunch"), "(2) Lunch");
    EXPECT_EQ(objc::format("%d %@ and %d %@ of calling.", 9, "hours", 17, "minutes"),
        "9 hours and 17 minutes of calling.");
    EXPECT_EQ(objc::format("%02d:%02d", 7, 5), "07:05");
    EXPECT_EQ(objc::format("%.1f", 2.25), "2.2");
    EXPECT_EQ(objc::format("%d %@", 1), "1 ");
}
