#include "objc/NSObject.h"

#include "objc/LiveObjectRecord.h"

Class NSObject::staticClass()
{
    static const Class cls = objc::Runtime::defineClass("NSObject", nullptr);
    return cls;
}

NSObject::NSObject()
    : m_processGeneration(objc::Runtime::processGeneration())
{
    objc::Runtime::objectMade(m_processGeneration);
    objc::LiveObjectRecord::made(this, m_processGeneration);
}

NSObject::~NSObject()
{
    objc::Runtime::objectDestroyed(m_processGeneration);
    objc::LiveObjectRecord::destroyed(this);
}

void objc::keepAcrossProcesses(const NSObject& object)
{
    if (object.m_processGeneration == 0)
        return;
    Runtime::objectDestroyed(object.m_processGeneration);
    object.m_processGeneration = 0;
    Runtime::objectMade(0);
    LiveObjectRecord::made(&object, 0);
}
