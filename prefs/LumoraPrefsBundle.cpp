#include "prefs/LumoraPrefsBundle.h"

#include "prefs/LMAmpiroThemedSwitchTableCell.h"
#include "prefs/LMChronelThemedSwitchTableCell.h"
#include "prefs/LMChronelThemediOS9OnlySwitchTableCell.h"
#include "prefs/LMForecastThemedSwitchTableCell.h"
#include "prefs/LMKalendoThemedSwitchTableCell.h"
#include "prefs/LMMelodraThemedSwitchTableCell.h"
#include "prefs/LMMissivaThemedSwitchTableCell.h"
#include "prefs/LMSkipraAppListTableViewCell.h"
#include "prefs/LMSkipraThemedSwitchTableCell.h"
#include "prefs/LumoraConfigurationAmpiroListController.h"
#include "prefs/LumoraConfigurationChronelListController.h"
#include "prefs/LumoraConfigurationForecastListController.h"
#include "prefs/LumoraConfigurationKalendoListController.h"
#include "prefs/LumoraConfigurationListController.h"
#include "prefs/LumoraConfigurationMelodraListController.h"
#include "prefs/LumoraConfigurationMissivaListController.h"
#include "prefs/LumoraConfigurationSkipraAppListListController.h"
#include "prefs/LumoraConfigurationSkipraListController.h"
#include "prefs/LumoraCreatorsListController.h"
#include "prefs/LumoraHeaderViewCell.h"
#include "prefs/LumoraImageThemedOnlyTableCell.h"
#include "prefs/LumoraPrefsListController.h"
#include "prefs/LumoraTextThemedOnlyTableCell.h"
#include "prefs/LumoraThemedSwitchTableCell.h"
#include "prefs/LumoraThemedTableCell.h"
#include "prefs/LumoraiOS9OnlyTableCell.h"

namespace lumoraprefs {

void registerClasses()
{
    LumoraPrefsListController::registerClass();
    LumoraConfigurationListController::registerClass();
    LumoraCreatorsListController::registerClass();
    PSListController::registerPageClass<LumoraConfigurationChronelListController>();
    PSListController::registerPageClass<LumoraConfigurationForecastListController>();
    PSListController::registerPageClass<LumoraConfigurationAmpiroListController>();
    PSListController::registerPageClass<LumoraConfigurationKalendoListController>();
    PSListController::registerPageClass<LumoraConfigurationMissivaListController>();
    PSListController::registerPageClass<LumoraConfigurationSkipraListController>();
    PSListController::registerPageClass<LumoraConfigurationSkipraAppListListController>();
    PSListController::registerPageClass<LumoraConfigurationMelodraListController>();

    PSTableCell::registerCellClass<LumoraThemedSwitchTableCell>();
    PSTableCell::registerCellClass<LMChronelThemedSwitchTableCell>();
    PSTableCell::registerCellClass<LMForecastThemedSwitchTableCell>();
    PSTableCell::registerCellClass<LMAmpiroThemedSwitchTableCell>();
    PSTableCell::registerCellClass<LMKalendoThemedSwitchTableCell>();
    PSTableCell::registerCellClass<LMMissivaThemedSwitchTableCell>();
    PSTableCell::registerCellClass<LMSkipraThemedSwitchTableCell>();
    PSTableCell::registerCellClass<LMMelodraThemedSwitchTableCell>();
    PSTableCell::registerCellClass<LMChronelThemediOS9OnlySwitchTableCell>();
    PSTableCell::registerCellClass<LumoraThemedTableCell>();
    PSTableCell::registerCellClass<LumoraTextThemedOnlyTableCell>();
    PSTableCell::registerCellClass<LumoraImageThemedOnlyTableCell>();
    PSTableCell::registerCellClass<LumoraiOS9OnlyTableCell>();
    PSTableCell::registerCellClass<LumoraHeaderViewCell>();
    PSTableCell::registerCellClass<LMSkipraAppListTableViewCell>();
}

} // namespace lumoraprefs
