#pragma once
// A device context that draws with a QPainter: the view on the screen, the printer, PDF files
// and images. With MM_TWIPS a logical unit is 1/1440 inch and y runs negative downwards; the
// window origin is the logical point shown at the device's viewport origin.
#include <QFont>
#include <QPainter>

#include "framework/core/DC.h"

class CPainterDC : public CDC {
public:
    CPainterDC(QPainter* pPainter, int nLogPixelsX, int nLogPixelsY, bool bPrinting);
    using CDC::ExtTextOut;
    using CDC::GetTextExtent;
    using CDC::LineTo;
    using CDC::Rectangle;
    using CDC::FillSolidRect;
    using CDC::TextOut;

    BOOL TextOut(int x, int y, const char* psz, int nCount) override;
    BOOL ExtTextOut(int x, int y, UINT nOptions, const CRect* pRect, const char* psz, int nCount) override;
    CSize GetTextExtent(const char* psz, int nCount) const override;
    BOOL GetTextMetrics(TEXTMETRIC* pMetrics) const override;
    BOOL LineTo(int x, int y) override;
    BOOL Rectangle(int x1, int y1, int x2, int y2) override;
    void FillSolidRect(const CRect* pRect, COLORREF clr) override;
    int GetDeviceCaps(int nIndex) const override;

    // The Qt font a LOGFONT of this DC's logical units stands for ("Arial" is Liberation Sans).
    QFont MakeFont(const LOGFONT& lf) const;
    QPointF ToDevice(int x, int y) const;
    double ToDeviceX(double dx) const;
    double ToDeviceY(double dy) const;
    int ToLogicalX(double px) const;
    int ToLogicalY(double py) const;

    QPainter* Painter() const { return m_pPainter; }

private:
    QPen MakePen() const;
    QPainter* m_pPainter;
    int m_nLogPixelsX;
    int m_nLogPixelsY;
};

// The face a font name is drawn with on this system.
QString AfxSubstituteFace(const QString& face);
QColor ToQColor(COLORREF c);
COLORREF FromQColor(const QColor& c);
