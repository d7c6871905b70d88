#pragma once

#include <QProxyStyle>

namespace tarn {

// The look of the document windows. A maximised one keeps its own title bar inside the work
// area, so its title is never added to the main window's caption.
class ChildFrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    ChildFrameStyle() = default;

    [[nodiscard]] int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                                const QWidget* widget = nullptr,
                                QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace tarn
