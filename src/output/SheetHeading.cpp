#include "output/SheetHeading.h"

namespace zoruka {

void drawSheetHeading(PrintBuilder& out, double y, const std::vector<HeadingField>& fields)
{
    out.setFontSize(16);
    for (const HeadingField& field : fields) {
        out.setColour(field.colour);
        out.text(field.x, y, field.text);
    }
    out.setColour(kPaletteBlack);
}

} // namespace zoruka
