#include "objc/Class.h"

#include <mutex>

objc_class::objc_class(std::string name, Class superclass)
    : m_name(std::move(name))
    , m_superclass(superclass)
{ }

bool objc_class::isSubclassOf(Class other) const
{
    for (const objc_class* cls = this; cls; cls = cls->m_superclass) {
        if (cls == other)
            return true;
    }
    return false;
}

void objc_class::setInstanceMethod(SEL selector, objc::Method method)
{
    std::unique_lock lock(m_mutex);
    m_instanceMethods.insert_or_assign(selector, method);
}

void objc_class::setClassMethod(SEL selector, objc::Method method)
{
    std::unique_lock lock(m_mutex);
    m_classMethods.insert_or_assign(selector, method);
}

std::optional<objc::Method> objc_class::lookupInstanceMethod(SEL selector) const
{
    for (const objc_class* cls = this; cls; cls = cls->m_superclass) {
        std::shared_lock lock(cls->m_mutex);
        if (auto found = cls->m_instanceMethods.find(selector); found != cls->m_instanceMethods.end())
            return found->second;
    }
    return std::nullopt;
}

std::optional<objc::Method> objc_class::lookupClassMethod(SEL selector) const
{
    for (const objc_class* cls = this; cls; cls = cls->m_superclass) {
        std::shared_lock lock(cls->m_mutex);
        if (auto found = cls->m_classMethods.find(selector); found != cls->m_classMethods.end())
            return found->second;
    }
    return std::nullopt;
}

void objc_class::addIvar(objc_ivar ivar)
{
    std::unique_lock lock(m_mutex);
    for (auto& existing : m_ivars) {
        if (existing->name == ivar.name) {
            *existing = std::move(ivar);
            return;
        }
    }
    m_ivars.push_back(std::make_unique<objc_ivar>(std::move(ivar)));
}

Ivar objc_class::lookupIvar(std::string_view name) const
{
    for (const objc_class* cls = this; cls; cls = cls->m_superclass) {
        std::shared_lock lock(cls->m_mutex);
        for (auto& ivar : cls->m_ivars) {
            if (ivar->name == name)
                return ivar.get();
        }
    }
    return nullptr;
}

void objc_class::forgetMethods()
{
    std::unique_lock lock(m_mutex);
    m_instanceMethods.clear();
    m_classMethods.clear();
}
