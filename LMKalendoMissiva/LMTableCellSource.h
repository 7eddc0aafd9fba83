#pragma once

#include "uikit/CGGeometry.h"

#include <map>
#include <memory>
#include <string>

class LMSettings;
class UIColor;
class UIImage;

// What the table's headers and rows read of the controller that owns them: the settings, the
// width, the collapse states, the colour cache, the bullet and the transparencies fixed when the
// controller was made.
class LMTableCellSource {
public:
    virtual const std::shared_ptr<LMSettings>& settings() const = 0;
    virtual CGFloat cellWidth() const = 0;
    virtual bool isCollapsed(const std::string& identifier) const = 0;
    virtual std::map<std::string, std::shared_ptr<UIColor>>& sectionsColorData() = 0;
    // Tinted with the colour; the plain bullet for none.
    virtual std::shared_ptr<UIImage> bulletImage(const std::shared_ptr<UIColor>&) = 0;
    virtual double timeStampTransparency() const = 0;
    virtual double kalendoSectionHeaderTransparency() const = 0;
    virtual double kalendoRowTransparencyWhenAutoColored() const = 0;
    virtual double missivaSectionHeaderTransparency() const = 0;
    virtual double missivaRowTransparencyWhenAutoColored() const = 0;

protected:
    ~LMTableCellSource() = default;
};
