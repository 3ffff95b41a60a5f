#include "settings/LayoutSettings.h"

namespace orbilunex::settings::layout {

std::string windowKey(int index)
{
    return "WINDOW " + std::to_string(index);
}

} // namespace orbilunex::settings::layout
