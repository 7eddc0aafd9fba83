#pragma once

#include "objc/Ivar.h"
#include "objc/Method.h"

#include <memory>
#include <optional>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <vector>

// A runtime class. The object itself lives for the whole OS process; what a simulated
// SpringBoard process registers on it (its methods) is forgotten when a new one begins.
struct objc_class {
public:
    objc_class(std::string name, Class superclass);
    objc_class(const objc_class&) = delete;
    objc_class& operator=(const objc_class&) = delete;

    const std::string& name() const { return m_name; }
    Class superclass() const { return m_superclass; }
    bool isSubclassOf(Class other) const;

    template <class R, class... A> void addMethod(SEL selector, objc::IMP<R, A...> function)
    {
        setInstanceMethod(selector, objc::Method(function));
    }
    template <class R, class... A> void addClassMethod(SEL selector, objc::ClassIMP<R, A...> function)
    {
        setClassMethod(selector, objc::Method(function));
    }

    void setInstanceMethod(SEL, objc::Method);
    void setClassMethod(SEL, objc::Method);
    // Searches this class, then its superclasses.
    std::optional<objc::Method> lookupInstanceMethod(SEL) const;
    std::optional<objc::Method> lookupClassMethod(SEL) const;
    bool respondsToSelector(SEL selector) const { return lookupInstanceMethod(selector).has_value(); }

    template <class Owner, class T> void addIvar(std::string name, T Owner::*member)
    {
        addIvar(objc_ivar { std::move(name), typeid(T), [member](NSObject* object) -> void* {
                               auto* owner = dynamic_cast<Owner*>(object);
                               return owner ? &(owner->*member) : nullptr;
                           } });
    }
    void addIvar(objc_ivar);
    Ivar lookupIvar(std::string_view name) const;

    void forgetMethods();

private:
    std::string m_name;
    Class m_superclass;
    mutable std::shared_mutex m_mutex;
    std::unordered_map<SEL, objc::Method> m_instanceMethods;
    std::unordered_map<SEL, objc::Method> m_classMethods;
    std::vector<std::unique_ptr<objc_ivar>> m_ivars;
};
