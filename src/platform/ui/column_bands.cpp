#include "platform/ui/column_bands.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableView>

TColumnBands::TColumnBands(QTableView *grid, QWidget *parent) : QWidget(parent), grid_(grid)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const auto follow = [this] { update(); };
    QHeaderView *columns = grid_->horizontalHeader();
    connect(columns, &QHeaderView::sectionResized, this, follow);
    connect(columns, &QHeaderView::sectionMoved, this, follow);
    connect(columns, &QHeaderView::sectionCountChanged, this, follow);
    connect(columns, &QHeaderView::geometriesChanged, this, follow);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, follow);
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
}

void TColumnBands::SetBands(const QList<TBand> &bands)
{
    bands_ = bands;
    updateGeometry();
    update();
}

QRect TColumnBands::GridSpan() const
{
    const QWidget *cells = grid_->viewport();
    const QPoint left = mapFromGlobal(cells->mapToGlobal(QPoint(0, 0)));
    return QRect(left.x(), 0, cells->width(), height());
}

QRect TColumnBands::BandRect(int band) const
{
    const TBand &span = bands_.at(band);
    if (grid_->isColumnHidden(span.FirstColumn) || grid_->isColumnHidden(span.LastColumn))
        return {};
    const int first = grid_->columnViewportPosition(span.FirstColumn);
    const int right = grid_->columnViewportPosition(span.LastColumn) + grid_->columnWidth(span.LastColumn);
    return QRect(GridSpan().left() + first, 0, right - first, height());
}

int TColumnBands::BandAt(const QPoint &at) const
{
    if (!GridSpan().contains(at.x(), 0))
        return -1;
    for (int band = 0; band < int(bands_.size()); ++band)
        if (BandRect(band).contains(at))
            return band;
    return -1;
}

QSize TColumnBands::sizeHint() const
{
    QStyleOptionHeader option;
    option.initFrom(this);
    option.text = QStringLiteral("Ay");
    for (const TBand &band : bands_)
        if (!band.Caption.isEmpty())
            option.text = band.Caption;
    const QSize section = style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    return QSize(grid_->sizeHint().width(), section.height());
}

QSize TColumnBands::minimumSizeHint() const
{
    return QSize(0, sizeHint().height());
}

bool TColumnBands::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::LayoutRequest:
        update();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TColumnBands::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

void TColumnBands::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionHeader empty;
    empty.initFrom(this);
    empty.rect = rect();
    style()->drawControl(QStyle::CE_HeaderEmptyArea, &empty, &painter, this);
    // Bands scrolled partly out of the grid's cell area are cut where the cells are.
    painter.setClipRect(GridSpan());
    for (int band = 0; band < int(bands_.size()); ++band) {
        const QRect area = BandRect(band);
        if (area.isEmpty())
            continue;
        QStyleOptionHeader option;
        option.initFrom(this);
        option.rect = area;
        option.text = bands_.at(band).Caption;
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::Middle;
        if (band == pressed_)
            option.state |= QStyle::State_Sunken;
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    }
}

void TColumnBands::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton ? BandAt(event->position().toPoint()) : -1;
    update();
}

void TColumnBands::mouseReleaseEvent(QMouseEvent *event)
{
    const int band = pressed_;
    pressed_ = -1;
    update();
    if (band >= 0 && event->button() == Qt::LeftButton && BandAt(event->position().toPoint()) == band)
        emit BandClicked(band);
}
