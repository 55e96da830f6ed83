// SPDX-License-Identifier: GPL-3.0-or-later
#include "dumpedit/widget/QtDumpClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "dumpedit/core/DumpClipboardFormat.h"

#include <cstdint>

namespace dumpedit {

const QString& CQtDumpClipboard::BinaryMimeType()
{
    static const QString type = QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
                                    .arg(QLatin1String(dumpedit::kBinaryDataFormat));
    return type;
}

CQtDumpClipboard& CQtDumpClipboard::Instance()
{
    static CQtDumpClipboard clipboard;
    return clipboard;
}

void CQtDumpClipboard::Offer(const std::vector<std::uint8_t>& binaryBlock, const std::string& text)
{
    auto* data = new QMimeData;
    data->setData(BinaryMimeType(), QByteArray(reinterpret_cast<const char*>(binaryBlock.data()),
                                               static_cast<qsizetype>(binaryBlock.size())));
    data->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool CQtDumpClipboard::HasBinaryData() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasFormat(BinaryMimeType());
}

std::optional<std::vector<std::uint8_t>> CQtDumpClipboard::BinaryData() const
{
    if (!HasBinaryData()) {
        return std::nullopt;
    }
    const QByteArray bytes = QGuiApplication::clipboard()->mimeData()->data(BinaryMimeType());
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::optional<std::string> CQtDumpClipboard::Text() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toLatin1().toStdString();
}

}  // namespace dumpedit
