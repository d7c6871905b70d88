#include "shell/DocTemplate.h"

#include <QStringList>

namespace tarn {

DocTemplate::DocTemplate()
    : m_fields(QString::fromUtf8(Description).split(QLatin1Char('\n'))) {}

QString DocTemplate::field(Field which) const {
    return m_fields.value(which);
}

QString DocTemplate::nextUntitledTitle() {
    return field(DocName) + QString::number(++m_untitledCount);
}

QString DocTemplate::fileFilter() const {
    return field(FilterName);
}

} // namespace tarn
