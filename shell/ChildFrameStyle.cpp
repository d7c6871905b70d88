#include "shell/ChildFrameStyle.h"

namespace tarn {

int ChildFrameStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_Workspace_FillSpaceOnMaximize)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace tarn
