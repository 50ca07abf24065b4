#include "framework/qt/PainterDC.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>

#include "framework/qt/QtText.h"

QString AfxSubstituteFace(const QString& face)
{
    // Metric-compatible faces, so a report measures as it did.
    if (face.compare("Arial", Qt::CaseInsensitive) == 0 || face.compare("Helvetica", Qt::CaseInsensitive) == 0 ||
        face.compare("MS Sans Serif", Qt::CaseInsensitive) == 0 || face.isEmpty())
        return "Liberation Sans";
    if (face.compare("Times New Roman", Qt::CaseInsensitive) == 0)
        return "Liberation Serif";
    if (face.compare("Courier New", Qt::CaseInsensitive) == 0 || face.compare("Courier", Qt::CaseInsensitive) == 0)
        return "Liberation Mono";
    return face;
}

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
COLORREF FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

CPainterDC::CPainterDC(QPainter* pPainter, int nLogPixelsX, int nLogPixelsY, bool bPrinting)
    : m_pPainter(pPainter), m_nLogPixelsX(nLogPixelsX > 0 ? nLogPixelsX : 96), m_nLogPixelsY(nLogPixelsY > 0 ? nLogPixelsY : 96)
{
    m_bPrinting = bPrinting;
}

double CPainterDC::ToDeviceX(double dx) const { return m_mapMode == MM_TWIPS ? dx * m_nLogPixelsX / 1440.0 : dx; }
double CPainterDC::ToDeviceY(double dy) const { return m_mapMode == MM_TWIPS ? dy * m_nLogPixelsY / 1440.0 : dy; }
int CPainterDC::ToLogicalX(double px) const
{
    return static_cast<int>(std::lround(m_mapMode == MM_TWIPS ? px * 1440.0 / m_nLogPixelsX : px));
}
int CPainterDC::ToLogicalY(double py) const
{
    return static_cast<int>(std::lround(m_mapMode == MM_TWIPS ? py * 1440.0 / m_nLogPixelsY : py));
}

QPointF CPainterDC::ToDevice(int x, int y) const
{
    double dx = ToDeviceX(x - m_windowOrg.x) + m_viewportOrg.x;
    double dy = m_mapMode == MM_TWIPS ? -ToDeviceY(y - m_windowOrg.y) + m_viewportOrg.y
                                      : (y - m_windowOrg.y) + m_viewportOrg.y;
    return QPointF(dx, dy);
}

QFont CPainterDC::MakeFont(const LOGFONT& lf) const
{
    QFont f(AfxSubstituteFace(QString::fromLatin1(lf.lfFaceName)));
    double h = std::abs(static_cast<double>(lf.lfHeight));
    if (h == 0)
        h = m_mapMode == MM_TWIPS ? 200 : 13;  // a ten-point default
    double px = ToDeviceY(h);
    if (lf.lfHeight > 0)
        px *= 0.895;  // a cell height: take off the internal leading
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    int weight = lf.lfWeight ? static_cast<int>(lf.lfWeight) : 400;
    f.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    f.setKerning(false);
    return QFont(f, m_pPainter->device());
}

BOOL CPainterDC::TextOut(int x, int y, const char* psz, int nCount)
{
    if (!psz || nCount <= 0)
        return TRUE;
    QString text = ToQ(CString(psz, nCount));
    QFont font = MakeFont(m_pFont->LogFont());
    QFontMetricsF fm(font, m_pPainter->device());
    QPointF p = ToDevice(x, y);
    double w = fm.horizontalAdvance(text);
    UINT h = m_textAlign & TA_CENTER;
    if (h == TA_CENTER)
        p.rx() -= w / 2;
    else if (h == TA_RIGHT)
        p.rx() -= w;
    UINT v = m_textAlign & TA_BASELINE;
    double baseline = v == TA_BASELINE ? p.y() : v == TA_BOTTOM ? p.y() - fm.descent() : p.y() + fm.ascent();
    if (m_bkMode == OPAQUE)
        m_pPainter->fillRect(QRectF(p.x(), baseline - fm.ascent(), w, fm.ascent() + fm.descent()), ToQColor(m_bkColor));
    m_pPainter->setFont(font);
    m_pPainter->setPen(ToQColor(m_textColor));
    m_pPainter->drawText(QPointF(p.x(), baseline), text);
    if (m_textAlign & TA_UPDATECP)
        m_cur = CPoint(x + ToLogicalX(w), y);
    return TRUE;
}

BOOL CPainterDC::ExtTextOut(int x, int y, UINT nOptions, const CRect* pRect, const char* psz, int nCount)
{
    if (!pRect)
        return TextOut(x, y, psz, nCount);
    CRect r = *pRect;
    QPointF a = ToDevice(r.left, r.top), b = ToDevice(r.right, r.bottom);
    QRectF rect = QRectF(a, b).normalized();
    if (nOptions & ETO_OPAQUE)
        m_pPainter->fillRect(rect, ToQColor(m_bkColor));
    m_pPainter->save();
    if (nOptions & ETO_CLIPPED)
        m_pPainter->setClipRect(rect, Qt::IntersectClip);
    BOOL ok = TextOut(x, y, psz, nCount);
    m_pPainter->restore();
    return ok;
}

CSize CPainterDC::GetTextExtent(const char* psz, int nCount) const
{
    QFont font = MakeFont(m_pFont->LogFont());
    QFontMetricsF fm(font, m_pPainter->device());
    double w = (psz && nCount > 0) ? fm.horizontalAdvance(ToQ(CString(psz, nCount))) : 0;
    return CSize(ToLogicalX(w), ToLogicalY(fm.ascent() + fm.descent()));
}

BOOL CPainterDC::GetTextMetrics(TEXTMETRIC* pMetrics) const
{
    if (!pMetrics)
        return FALSE;
    QFont font = MakeFont(m_pFont->LogFont());
    QFontMetricsF fm(font, m_pPainter->device());
    pMetrics->tmAscent = ToLogicalY(fm.ascent());
    pMetrics->tmDescent = ToLogicalY(fm.descent());
    pMetrics->tmHeight = pMetrics->tmAscent + pMetrics->tmDescent;
    double em = font.pixelSize() > 0 ? font.pixelSize() : fm.height();
    pMetrics->tmInternalLeading = std::max(0, pMetrics->tmHeight - ToLogicalY(em));
    pMetrics->tmExternalLeading = ToLogicalY(std::max(0.0, fm.leading()));
    pMetrics->tmAveCharWidth = ToLogicalX(fm.averageCharWidth());
    pMetrics->tmMaxCharWidth = ToLogicalX(fm.maxWidth());
    pMetrics->tmWeight = m_pFont->LogFont().lfWeight;
    return TRUE;
}

QPen CPainterDC::MakePen() const
{
    const LOGPEN& lp = m_pPen->LogPen();
    if (lp.lopnStyle == PS_NULL)
        return QPen(Qt::NoPen);
    QPen pen(ToQColor(lp.lopnColor));
    double w = ToDeviceX(lp.lopnWidth);
    pen.setWidthF(w < 1 ? 1 : w);
    switch (lp.lopnStyle) {
    case PS_DASH: pen.setStyle(Qt::DashLine); break;
    case PS_DOT: pen.setStyle(Qt::DotLine); break;
    case PS_DASHDOT: pen.setStyle(Qt::DashDotLine); break;
    case PS_DASHDOTDOT: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

BOOL CPainterDC::LineTo(int x, int y)
{
    m_pPainter->setPen(MakePen());
    m_pPainter->drawLine(ToDevice(m_cur.x, m_cur.y), ToDevice(x, y));
    m_cur = CPoint(x, y);
    return TRUE;
}

BOOL CPainterDC::Rectangle(int x1, int y1, int x2, int y2)
{
    QRectF r = QRectF(ToDevice(x1, y1), ToDevice(x2, y2)).normalized();
    if (m_pBrush && !m_pBrush->IsNull())
        m_pPainter->fillRect(r, ToQColor(m_pBrush->GetColor()));
    m_pPainter->setPen(MakePen());
    m_pPainter->setBrush(Qt::NoBrush);
    m_pPainter->drawRect(r);
    return TRUE;
}

void CPainterDC::FillSolidRect(const CRect* pRect, COLORREF clr)
{
    if (!pRect)
        return;
    QRectF r = QRectF(ToDevice(pRect->left, pRect->top), ToDevice(pRect->right, pRect->bottom)).normalized();
    m_pPainter->fillRect(r, ToQColor(clr));
}

int CPainterDC::GetDeviceCaps(int nIndex) const
{
    QPaintDevice* d = m_pPainter->device();
    switch (nIndex) {
    case LOGPIXELSX: return m_nLogPixelsX;
    case LOGPIXELSY: return m_nLogPixelsY;
    case HORZRES:
    case PHYSICALWIDTH: return d ? d->width() : 0;
    case VERTRES:
    case PHYSICALHEIGHT: return d ? d->height() : 0;
    case HORZSIZE: return d ? d->widthMM() : 0;
    case VERTSIZE: return d ? d->heightMM() : 0;
    default: return 0;
    }
}
