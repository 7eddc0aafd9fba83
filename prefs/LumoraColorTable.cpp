#include "prefs/LumoraColorTable.h"

#include "contracts/OBColorFactory.h"
#include "objc/ClassRef.h"
#include "objc/ProcessLocal.h"
#include "uikit/UIColor.h"

namespace {

using Table = std::array<std::shared_ptr<UIColor>, LumoraColorTable::texts.size()>;

Table& table()
{
    static objc::ProcessLocal<Table> s_table;
    return *s_table;
}

} // namespace

void LumoraColorTable::fill()
{
    static objc::ClassRef factoryClass { "OBColorFactory" };
    for (size_t i = 0; i < texts.size(); ++i)
        table()[i]
            = contracts::OBColorFactory::colorFromHexString.toClass(factoryClass, std::string(texts[i]));
}

std::shared_ptr<UIColor> LumoraColorTable::color(LumoraColor entry)
{
    return table()[static_cast<size_t>(entry)];
}
