#include "app/ProgramIcon.h"

#include <QApplication>
#include <QDir>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QStyle>
#include <QStyleOption>

#include <map>

namespace otpor {

namespace {

// Pictures by their size, decoded on first use and kept.
class LazyIconEngine final : public QIconEngine {
public:
    void AddFile(const QString& path, int size) { files_[size] = path; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int wanted = std::max(size.width(), size.height());
        QPixmap pm = Picture(Source(wanted));
        if (pm.isNull())
            return pm;
        if (pm.width() > size.width() || pm.height() > size.height())
            pm = pm.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && qApp != nullptr) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
        }
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPixmap pm = pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state);
        painter->drawPixmap(rect, pm);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int source = Source(std::max(size.width(), size.height()));
        if (source == 0)
            return {};
        return QSize(source, source).boundedTo(size);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const auto& [size, path] : files_)
            sizes.push_back(QSize(size, size));
        return sizes;
    }

    QString key() const override { return QStringLiteral("otpor-lazy"); }
    QIconEngine* clone() const override { return new LazyIconEngine(*this); }

private:
    // The smallest picture at least as large as wanted, else the largest.
    int Source(int wanted) const
    {
        if (files_.empty())
            return 0;
        const auto it = files_.lower_bound(wanted);
        return it != files_.end() ? it->first : files_.rbegin()->first;
    }

    QPixmap Picture(int size)
    {
        auto it = decoded_.find(size);
        if (it == decoded_.end())
            it = decoded_.emplace(size, QPixmap(files_.at(size))).first;
        return it->second;
    }

    std::map<int, QString> files_;
    std::map<int, QPixmap> decoded_;
};

} // namespace

QIcon ProgramIcon()
{
    // Whatever sizes the build compiled in (OTPOR_ICON_SIZES); each file's
    // header gives its size without decoding the picture.
    auto* engine = new LazyIconEngine;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name : icons.entryList({QStringLiteral("otpor-rezanja-*.png")}, QDir::Files)) {
        const QString path = icons.filePath(name);
        const QSize size = QImageReader(path).size();
        if (size.isValid())
            engine->AddFile(path, std::max(size.width(), size.height()));
    }
    return QIcon(engine);
}

} // namespace otpor
