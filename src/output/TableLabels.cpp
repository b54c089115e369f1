#include "output/TableLabels.h"

#include "common/NumberFormat.h"

namespace zoruka {

std::string participantsLabel(int participants) { return twoCharField(participants) + " 名"; }

std::string courtsLabel(int courts) { return "（ " + twoCharField(courts) + " 面 )"; }

std::string gameLabel(int game) { return "第 " + twoCharField(game) + " 試合"; }

std::string courtSideLabel(int slot)
{
    return twoCharField((slot + 1) / 2) + (slot % 2 == 1 ? "-A" : "-B");
}

} // namespace zoruka
