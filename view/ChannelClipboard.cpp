#include "view/ChannelClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace tarn {

void ChannelClipboard::put(const ChannelClip& clip) {
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(clip.text));
    data->setData(QString::fromLatin1(RowsMimeType),
                  QByteArray(reinterpret_cast<const char*>(clip.rows.data()),
                             static_cast<qsizetype>(clip.rows.size())));
    // The clipboard owns what it is given.
    QApplication::clipboard()->setMimeData(data.release());
}

ChannelClip ChannelClipboard::get() {
    ChannelClip clip;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return clip;
    clip.text = data->text().toStdString();
    const QByteArray rows = data->data(QString::fromLatin1(RowsMimeType));
    clip.rows.assign(rows.begin(), rows.end());
    return clip;
}

} // namespace tarn
