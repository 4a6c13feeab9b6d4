#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/toolkit.h"

namespace {

std::vector<std::string> trace;

void recordOuter(WSCbase* object)
{
    trace.push_back(std::string("outer:") + object->getInstanceName());
    if (WSCbase* inner = WSGIappObjectList()->getInstance("WSCvdrawingArea", "inner")) {
        inner->execProcedure(WSEV_EXPOSE);
    }
    trace.push_back("outer done");
}

void recordInner(WSCbase* object) { trace.push_back(std::string("inner:") + object->getInstanceName()); }

void recordSecond(WSCbase*) { trace.push_back("second"); }

void bind(WSCbase& widget, long event, WSCcallback callback, const char* name)
{
    auto* procedure = new WSCprocedure("proc", event);
    procedure->setFunction(callback, name);
    widget.addProcedure(procedure);
}

class Procedures : public ::testing::Test {
protected:
    void SetUp() override { trace.clear(); }
};

TEST_F(Procedures, NestedProceduresRunBeforeTheOuterOneReturns)
{
    WSCvbtn button(nullptr, "outer");
    WSCvdrawingArea area(nullptr, "inner");
    bind(button, WSEV_ACTIVATE, recordOuter, "recordOuter");
    bind(area, WSEV_EXPOSE, recordInner, "recordInner");

    button.execProcedure(WSEV_ACTIVATE);
    EXPECT_EQ(trace, (std::vector<std::string>{"outer:outer", "inner:inner", "outer done"}));
}

TEST_F(Procedures, OnlyTheFiredEventRunsAndInTheOrderOfBinding)
{
    WSCvslider slider(nullptr, "slider");
    bind(slider, WSEV_VALUE_CHANGE, recordInner, "recordInner");
    bind(slider, WSEV_ACTIVATE, recordOuter, "recordOuter");
    bind(slider, WSEV_VALUE_CHANGE, recordSecond, "recordSecond");

    slider.execProcedure(WSEV_VALUE_CHANGE);
    EXPECT_EQ(trace, (std::vector<std::string>{"inner:slider", "second"}));
    trace.clear();
    slider.execProcedure(WSEV_EXPOSE);
    slider.execProcedure(WSEV_INITIALIZE);
    EXPECT_TRUE(trace.empty());
}

TEST_F(Procedures, AProcedureWithoutFunctionRunsTheCallbackRegisteredUnderItsName)
{
    const WSCfunctionRegister registration("testRecordSecond", reinterpret_cast<void*>(recordSecond));
    WSCvbtn button(nullptr, "button");
    bind(button, WSEV_ACTIVATE, nullptr, "testRecordSecond");
    bind(button, WSEV_ACTIVATE, nullptr, "neverRegistered");
    button.execProcedure(WSEV_ACTIVATE);
    EXPECT_EQ(trace, (std::vector<std::string>{"second"}));
}

TEST(FunctionRegister, ARegistrationLastsAsLongAsItsRegistrar)
{
    EXPECT_EQ(WSCfunctionRegister::find("testTemporary"), nullptr);
    {
        const WSCfunctionRegister outer("testTemporary", reinterpret_cast<void*>(recordInner));
        {
            const WSCfunctionRegister inner("testTemporary", reinterpret_cast<void*>(recordInner));
        }
        EXPECT_EQ(WSCfunctionRegister::find("testTemporary"), recordInner);
    }
    EXPECT_EQ(WSCfunctionRegister::find("testTemporary"), nullptr);
    EXPECT_EQ(WSCfunctionRegister::find(nullptr), nullptr);
}

}  // namespace
