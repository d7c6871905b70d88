#include "qtsupport/LastMessage.h"

namespace tarn {

namespace {

struct Shown {
    QString caption;
    QString text;
};

Shown& shown() {
    static Shown last;
    return last;
}

} // namespace

void LastMessage::record(const QString& caption, const QString& text) {
    shown() = {caption, text};
}

QString LastMessage::caption() {
    return shown().caption;
}

QString LastMessage::text() {
    return shown().text;
}

void LastMessage::clear() {
    shown() = {};
}

} // namespace tarn
