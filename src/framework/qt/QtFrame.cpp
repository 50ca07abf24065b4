// The main window with its menus, toolbar and status bar, the scrolling view, printing and
// the main loop.
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <cmath>

#include "framework/qt/PainterDC.h"
#include "framework/qt/QtBackendImpl.h"
#include "framework/qt/QtText.h"
#include "framework/ui/CommonDialogs.h"
#include "framework/ui/Document.h"

namespace {
const char* kIdProp = "torvaneCmd";

CQtMainWindow* WindowOf(CFrameWnd& f) { return static_cast<CQtMainWindow*>(f.m_pPeer); }
CQtViewWidget* WidgetOf(CView& v) { return static_cast<CQtViewWidget*>(v.m_pPeer); }

// The first line of a command's string is its status-bar prompt, the second its tooltip.
QString Prompt(UINT nID, int nLine)
{
    QStringList lines = ToQ(AfxLoadString(nID)).split('\n');
    return nLine < lines.size() ? lines[nLine] : QString();
}

// Toolbar pictures, drawn rather than loaded.
QIcon Picture(const QString& name)
{
    QStyle* st = QApplication::style();
    if (name == "new") return st->standardIcon(QStyle::SP_FileIcon);
    if (name == "open") return st->standardIcon(QStyle::SP_DialogOpenButton);
    if (name == "save") return st->standardIcon(QStyle::SP_DialogSaveButton);
    if (name == "previous") return st->standardIcon(QStyle::SP_ArrowLeft);
    if (name == "next") return st->standardIcon(QStyle::SP_ArrowRight);
    if (name == "back") return st->standardIcon(QStyle::SP_ArrowBack);
    if (name == "about") return st->standardIcon(QStyle::SP_MessageBoxInformation);
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    if (name == "print" || name == "preview") {
        p.setBrush(Qt::white);
        p.drawRect(8, 3, 16, 10);
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(3, 12, 26, 11);
        p.setBrush(Qt::white);
        p.drawRect(8, 20, 16, 9);
        if (name == "preview") {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::darkBlue, 3));
            p.drawEllipse(15, 13, 12, 12);
            p.drawLine(25, 24, 30, 30);
        }
    } else {
        // A page with a letter for the displays and reports.
        p.setBrush(Qt::white);
        p.drawRect(5, 2, 22, 28);
        QFont f("Liberation Sans");
        f.setPixelSize(15);
        f.setBold(true);
        p.setFont(f);
        QString letter = name == "enter-results" ? "E" : name == "results" ? "R" : name == "fixtures" ? "F"
                         : name == "report" ? "S" : name == "players" ? "P" : name == "edit-report" ? "L"
                         : name == "html" ? "H" : name.left(1).toUpper();
        p.setPen(name == "enter-results" ? Qt::darkRed : Qt::darkBlue);
        p.drawText(QRect(5, 2, 22, 28), Qt::AlignCenter, letter);
    }
    return QIcon(QPixmap::fromImage(img));
}

// The keys as the resources write them ("Ctrl+S", "PgDn"), in Qt's names: without that, a
// key Qt does not know by the resources' name would be no shortcut at all.
QKeySequence KeysOf(QString text)
{
    text.replace("PgDn", "PgDown");
    return QKeySequence(text);
}

UINT VirtualKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_F1: return VK_F1;
    default: return (key >= 0x20 && key < 0x80) ? static_cast<UINT>(key) : 0;
    }
}

UINT MouseFlags(Qt::MouseButtons b, Qt::KeyboardModifiers m)
{
    UINT f = 0;
    if (b & Qt::LeftButton) f |= MK_LBUTTON;
    if (b & Qt::RightButton) f |= MK_RBUTTON;
    if (m & Qt::ShiftModifier) f |= MK_SHIFT;
    if (m & Qt::ControlModifier) f |= MK_CONTROL;
    return f;
}
}  // namespace

// --- The main window ----------------------------------------------------------------------------

CQtMainWindow::CQtMainWindow(CFrameWnd& frame) : m_frame(frame)
{
    setObjectName("NewTorvane");
    resize(900, 700);
    BuildMenus();
    statusBar()->showMessage("Ready");
    // While idle the toolbar asks every button's update handler, as the menus do when they open.
    auto* dispatcher = QAbstractEventDispatcher::instance();
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this, timer] {
        if (timer->elapsed() >= 100) {
            timer->restart();
            UpdateToolbar();
        }
    });
    // Every key pressed in this window is offered to its focused widget before the shortcuts
    // see it: the moment to bring them up to date.
    qApp->installEventFilter(this);
}

bool CQtMainWindow::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride && o->isWidgetType() && static_cast<QWidget*>(o)->window() == this)
        UpdateShortcuts();
    return QMainWindow::eventFilter(o, e);
}

QAction* CQtMainWindow::MakeAction(UINT nID, const QString& text)
{
    auto* a = new QAction(text, this);
    a->setProperty(kIdProp, nID);
    a->setStatusTip(Prompt(nID, 0));
    QString tip = Prompt(nID, 1);
    if (!tip.isEmpty())
        a->setToolTip(tip);
    connect(a, &QAction::triggered, this, [this, nID] {
        m_frame.ExecuteCommand(nID);
        UpdateToolbar();
    });
    m_actions.append(a);
    return a;
}

void CQtMainWindow::AddMenuEntries(QMenu* menu, const MenuTemplate& t, size_t& i)
{
    while (i < t.entries.size()) {
        const MenuEntry& e = t.entries[i++];
        switch (e.kind) {
        case MenuKind::EndPopup: return;
        case MenuKind::Separator: menu->addSeparator(); break;
        case MenuKind::Popup: {
            QMenu* sub = menu->addMenu(QString::fromUtf8(e.text));
            connect(sub, &QMenu::aboutToShow, this, [this, sub] { UpdateMenu(sub); });
            AddMenuEntries(sub, t, i);
            break;
        }
        case MenuKind::Item: {
            QString text = QString::fromUtf8(e.text);
            QString label = text.section('\t', 0, 0);
            QAction* a = MakeAction(e.id, label);
            // The key shown after the tab is an accelerator of the frame; shown, not bound twice.
            if (text.contains('\t'))
                a->setShortcut(KeysOf(text.section('\t', 1)));
            a->setShortcutContext(Qt::WindowShortcut);
            if (e.id == ID_FILE_MRU_FILE1) {
                // The recent files take four places, shown as the list fills.
                m_mruActions.append(a);
                menu->addAction(a);
                for (UINT id = ID_FILE_MRU_FILE2; id <= ID_FILE_MRU_FILE4; ++id) {
                    QAction* more = MakeAction(id, QString());
                    more->setVisible(false);
                    menu->addAction(more);
                    m_mruActions.append(more);
                }
                break;
            }
            menu->addAction(a);
            break;
        }
        }
    }
}

void CQtMainWindow::BuildMenus()
{
    UINT id = m_frame.GetResourceID();
    if (const MenuTemplate* t = AfxFindMenu(id)) {
        size_t i = 0;
        while (i < t->entries.size()) {
            const MenuEntry& e = t->entries[i++];
            if (e.kind != MenuKind::Popup)
                continue;
            QMenu* menu = menuBar()->addMenu(QString::fromUtf8(e.text));
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
            AddMenuEntries(menu, *t, i);
        }
    }
    // Accelerators without a menu entry still reach their command.
    if (const AcceleratorTable* acc = AfxFindAccelerators(id)) {
        for (const Accelerator& k : acc->keys) {
            const QKeySequence seq = KeysOf(QString::fromUtf8(k.keys));
            bool shown = false;
            for (QAction* a : m_actions)
                if (a->property(kIdProp).toUInt() == k.id && a->shortcut() == seq)
                    shown = true;
            if (!shown) {
                QAction* a = MakeAction(k.id, QString());
                a->setShortcut(seq);
                addAction(a);
            }
        }
    }
    if (const ToolbarTemplate* tb = AfxFindToolbar(id)) {
        m_toolBar = addToolBar("Toolbar");
        m_toolBar->setObjectName("MainToolbar");
        m_toolBar->setIconSize(QSize(20, 20));
        m_toolBar->setMovable(false);
        for (const ToolbarButton& b : tb->buttons) {
            if (b.id == ID_SEPARATOR) {
                m_toolBar->addSeparator();
                continue;
            }
            QAction* a = MakeAction(b.id, Prompt(b.id, 1));
            a->setIcon(Picture(QString::fromUtf8(b.picture)));
            m_toolBar->addAction(a);
        }
    }
    RebuildRecentFiles();
}

bool CQtMainWindow::QueryCommand(QAction* a, CCmdUI& ui)
{
    QVariant v = a->property(kIdProp);
    if (!v.isValid())
        return false;
    ui.m_nID = v.toUInt();
    m_frame.UpdateCmdUI(ui);
    return true;
}

void CQtMainWindow::UpdateMenu(QMenu* menu)
{
    for (QAction* a : menu->actions()) {
        CCmdUI ui;
        if (!QueryCommand(a, ui))
            continue;
        a->setEnabled(ui.m_bEnabled);
        a->setCheckable(ui.m_nCheck != 0 || a->isCheckable());
        a->setChecked(ui.m_nCheck != 0);
        if (ui.m_bTextSet)
            a->setText(ToQ(ui.m_strText));
    }
    RebuildRecentFiles();
}

void CQtMainWindow::UpdateToolbar()
{
    if (m_toolBar)
        for (QAction* a : m_toolBar->actions()) {
            CCmdUI ui;
            if (QueryCommand(a, ui))
                a->setEnabled(ui.m_bEnabled);
        }
    UpdateShortcuts();
}

void CQtMainWindow::UpdateShortcuts()
{
    // The menus' own entries included: one opened while its command was off would otherwise
    // keep the key off until the menu opens again.
    for (QAction* a : m_actions) {
        CCmdUI ui;
        if (!a->shortcut().isEmpty() && QueryCommand(a, ui))
            a->setEnabled(ui.m_bEnabled);
    }
}

// "&1 ~/Ligue d'été/Łódź.lgf": the file's name exactly as the system gives it.
static QString RecentMenuText(const CRecentFileList& mru, int i)
{
    QString path = QFile::decodeName(mru.GetShortPath(i).GetString());
    return QString("&%1 ").arg(i + 1) + path.replace("&", "&&");
}

void CQtMainWindow::RebuildRecentFiles()
{
    CWinApp* app = AfxGetApp();
    CRecentFileList* mru = app ? app->GetRecentFileList() : nullptr;
    for (int i = 0; i < m_mruActions.size(); ++i) {
        QAction* a = m_mruActions[i];
        bool have = mru && i < mru->GetCount();
        if (i == 0) {
            a->setText(have ? RecentMenuText(*mru, 0) : QString("Recent File"));
            a->setEnabled(have);
        } else {
            a->setVisible(have);
            if (have)
                a->setText(RecentMenuText(*mru, i));
        }
    }
}

void CQtMainWindow::closeEvent(QCloseEvent* e)
{
    // The frame decides: it asks to save, and ends the program through the main loop.
    e->ignore();
    m_frame.OnClose();
}

// --- The view -------------------------------------------------------------------------------

CQtViewWidget::CQtViewWidget(CView& view, QWidget* parent) : QAbstractScrollArea(parent), m_view(view)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(pal);
    if (auto* sv = dynamic_cast<CScrollView*>(&m_view))
        sv->SetDeviceResolution(Dpi(), Dpi());
}

int CQtViewWidget::Dpi() const { return std::max(1, logicalDpiY()); }

void CQtViewWidget::UpdateScrollBars()
{
    auto* sv = dynamic_cast<CScrollView*>(&m_view);
    if (!sv)
        return;
    sv->SetDeviceResolution(Dpi(), Dpi());
    CSize total = sv->GetTotalSize();
    double scale = sv->GetMapMode() == MM_TWIPS ? Dpi() / 1440.0 : 1.0;
    int w = static_cast<int>(std::lround(std::abs(total.cx) * scale));
    int h = static_cast<int>(std::lround(std::abs(total.cy) * scale));
    QSize vp = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, w - vp.width()));
    verticalScrollBar()->setRange(0, std::max(0, h - vp.height()));
    horizontalScrollBar()->setPageStep(vp.width());
    verticalScrollBar()->setPageStep(vp.height());
    horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(std::abs(sv->GetLineSize().cx) * scale)));
    verticalScrollBar()->setSingleStep(std::max(1, static_cast<int>(std::abs(sv->GetLineSize().cy) * scale)));
    SyncScrollPosition();
}

void CQtViewWidget::SyncScrollPosition()
{
    auto* sv = dynamic_cast<CScrollView*>(&m_view);
    if (!sv)
        return;
    double scale = sv->GetMapMode() == MM_TWIPS ? 1440.0 / Dpi() : 1.0;
    int x = static_cast<int>(std::lround(horizontalScrollBar()->value() * scale));
    int y = static_cast<int>(std::lround(verticalScrollBar()->value() * scale));
    sv->SetScrollPositionFromBackend(CPoint(x, sv->GetMapMode() == MM_TWIPS ? -y : y));
}

void CQtViewWidget::ScrollTo(int x, int y)
{
    auto* sv = dynamic_cast<CScrollView*>(&m_view);
    double scale = (sv && sv->GetMapMode() == MM_TWIPS) ? Dpi() / 1440.0 : 1.0;
    if (sv && sv->GetMapMode() == MM_TWIPS)
        y = -y;
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(x * scale)));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(y * scale)));
    SyncScrollPosition();
    viewport()->update();
}

void CQtViewWidget::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.setRenderHint(QPainter::TextAntialiasing);
    CPainterDC dc(&p, Dpi(), Dpi(), false);
    if (auto* sv = dynamic_cast<CScrollView*>(&m_view)) {
        SyncScrollPosition();
        CPoint pos = sv->GetScrollPosition();
        dc.SetWindowOrg(pos.x, pos.y);
    }
    m_view.OnPrepareDC(&dc, nullptr);
    m_view.OnDraw(&dc);
}

void CQtViewWidget::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    UpdateScrollBars();
    m_view.OnSize(0, viewport()->width(), viewport()->height());
}

void CQtViewWidget::scrollContentsBy(int, int)
{
    SyncScrollPosition();
    viewport()->update();
}

void CQtViewWidget::mousePressEvent(QMouseEvent* e)
{
    CPoint pt(static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
    UINT flags = MouseFlags(e->buttons(), e->modifiers());
    if (e->button() == Qt::LeftButton)
        m_view.OnLButtonDown(flags, pt);
    else if (e->button() == Qt::RightButton)
        m_view.OnRButtonDown(flags, pt);
}

void CQtViewWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::RightButton)
        return;
    CPoint pt(static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
    m_view.OnRButtonUp(MouseFlags(e->buttons(), e->modifiers()), pt);
    m_view.OnContextMenu(&m_view, pt);
}

void CQtViewWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_view.OnLButtonDblClk(MouseFlags(e->buttons(), e->modifiers()),
                               CPoint(static_cast<int>(e->position().x()), static_cast<int>(e->position().y())));
}

void CQtViewWidget::keyPressEvent(QKeyEvent* e)
{
    UINT vk = VirtualKey(e->key());
    if (vk)
        m_view.OnKeyDown(vk, 1, 0);
    if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down || e->key() == Qt::Key_Left || e->key() == Qt::Key_Right)
        QAbstractScrollArea::keyPressEvent(e);
}

// --- The backend: frames, views, printing ---------------------------------------------------------

CQtBackend::CQtBackend() = default;
CQtBackend::~CQtBackend() { delete m_server.data(); }

QWidget* CQtBackend::MainWidget()
{
    CFrameWnd* f = AfxGetMainWnd();
    return f ? WindowOf(*f) : nullptr;
}

namespace {
// The main window's size and place between runs, in the profile.
constexpr const char* kGeometrySection = "Settings";
constexpr const char* kGeometryEntry = "MainWindow";
}  // namespace

void CQtBackend::CreateFrame(CFrameWnd& frame)
{
    auto* w = new CQtMainWindow(frame);
    frame.m_pPeer = w;
    CString saved;
    if (m_settings.GetProfileValue(kGeometrySection, kGeometryEntry, saved))
        w->restoreGeometry(QByteArray::fromBase64(QByteArray(saved.GetString())));
}

void CQtBackend::DestroyFrame(CFrameWnd& frame)
{
    if (CQtMainWindow* w = WindowOf(frame)) {
        if (w->isVisible()) {
            m_settings.WriteProfileValue(kGeometrySection, kGeometryEntry, w->saveGeometry().toBase64().constData());
            m_settings.Flush();
        }
        if (CView* v = frame.GetActiveView())
            v->m_pPeer = nullptr;
        frame.m_pPeer = nullptr;
        delete w;
    }
}

void CQtBackend::ShowFrame(CFrameWnd& frame, int nCmdShow)
{
    CQtMainWindow* w = WindowOf(frame);
    if (!w)
        return;
    if (nCmdShow == SW_HIDE) {
        w->hide();
        return;
    }
    if (nCmdShow == SW_RESTORE && w->isMinimized())
        w->showNormal();
    else if (!w->isVisible())
        w->show();
    if (nCmdShow == SW_RESTORE)
        BringForward();
}

void CQtBackend::BringForward()
{
    // The last active pop-up (an open dialog) comes forward with the window.
    QWidget* main = MainWidget();
    if (main) {
        if (main->isMinimized())
            main->showNormal();
        main->raise();
        main->activateWindow();
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void CQtBackend::FrameTitleChanged(CFrameWnd& frame)
{
    if (CQtMainWindow* w = WindowOf(frame))
    {
        w->setWindowTitle(ToQ(frame.GetWindowText()));
        w->setWindowModified(frame.IsDocumentModified());
    }
}

void CQtBackend::FrameMenuChanged(CFrameWnd& frame)
{
    if (CQtMainWindow* w = WindowOf(frame))
        w->RebuildRecentFiles();
}

void CQtBackend::SetStatusText(CFrameWnd& frame, const CString& text)
{
    if (CQtMainWindow* w = WindowOf(frame))
        w->statusBar()->showMessage(ToQ(text));
}

void CQtBackend::ShowControlBar(CFrameWnd& frame, UINT nBarID, BOOL bShow)
{
    CQtMainWindow* w = WindowOf(frame);
    if (!w)
        return;
    if (nBarID == ID_VIEW_TOOLBAR && w->ToolBar())
        w->ToolBar()->setVisible(bShow);
    else if (nBarID == ID_VIEW_STATUS_BAR)
        w->statusBar()->setVisible(bShow);
}

void CQtBackend::CreateView(CView& view, CFrameWnd& frame)
{
    CQtMainWindow* w = WindowOf(frame);
    auto* v = new CQtViewWidget(view, w);
    view.m_pPeer = v;
    if (w)
        w->setCentralWidget(v);
    v->UpdateScrollBars();
}

void CQtBackend::InvalidateView(CView& view)
{
    if (CQtViewWidget* v = WidgetOf(view))
        v->viewport()->update();
}

void CQtBackend::ScrollSizesChanged(CScrollView& view)
{
    if (CQtViewWidget* v = WidgetOf(view))
        v->UpdateScrollBars();
}

void CQtBackend::ScrollViewTo(CScrollView& view, int x, int y)
{
    if (CQtViewWidget* v = WidgetOf(view))
        v->ScrollTo(x, y);
}

UINT CQtBackend::TrackPopupMenu(CWnd& wnd, UINT nIDMenu, int nSubMenu, int x, int y)
{
    const MenuTemplate* t = AfxFindMenu(nIDMenu);
    if (!t)
        return 0;
    QMenu menu;
    int popup = -1;
    int depth = 0;
    QList<QMenu*> stack{&menu};
    CFrameWnd* frame = AfxGetMainWnd();
    for (const MenuEntry& e : t->entries) {
        if (e.kind == MenuKind::Popup) {
            if (depth == 0)
                ++popup;
            else if (popup == nSubMenu)
                stack.append(stack.back()->addMenu(QString::fromUtf8(e.text)));
            ++depth;
            continue;
        }
        if (e.kind == MenuKind::EndPopup) {
            --depth;
            if (depth > 0 && popup == nSubMenu)
                stack.removeLast();
            continue;
        }
        if (popup != nSubMenu || depth == 0)
            continue;
        if (e.kind == MenuKind::Separator) {
            stack.back()->addSeparator();
            continue;
        }
        QAction* a = stack.back()->addAction(QString::fromUtf8(e.text).section('\t', 0, 0));
        a->setData(e.id);
        if (frame)
            a->setEnabled(frame->IsCommandEnabled(e.id));
    }
    QWidget* w = nullptr;
    if (auto* view = dynamic_cast<CView*>(&wnd))
        w = WidgetOf(*view) ? WidgetOf(*view)->viewport() : nullptr;
    // A scroll view gives its point in logical units: back to the window's pixels.
    if (auto* sv = dynamic_cast<CScrollView*>(&wnd); sv && sv->GetMapMode() == MM_TWIPS) {
        CPoint pos = sv->GetScrollPosition();
        x = static_cast<int>(static_cast<long long>(x - pos.x) * sv->LogPixelsX() / 1440);
        y = static_cast<int>(static_cast<long long>(pos.y - y) * sv->LogPixelsY() / 1440);
    }
    QPoint global = w ? w->mapToGlobal(QPoint(x, y)) : QPoint(x, y);
    QAction* chosen = menu.exec(global);
    return chosen ? chosen->data().toUInt() : 0;
}

int CQtBackend::PrintOn(CView& view, QPrinter& printer, bool bPreview)
{
    CPrintInfo info;
    info.m_bPreview = bPreview;
    if (!view.OnPreparePrinting(&info))
        return 0;
    QPainter p;
    if (!p.begin(&printer)) {
        AfxMessageBox("The printer could not be started.", MB_OK | MB_ICONEXCLAMATION);
        return -1;
    }
    int dpi = printer.resolution();
    CPainterDC dc(&p, dpi, dpi, true);
    dc.SetMapMode(MM_TWIPS);
    QRectF page = printer.pageRect(QPrinter::DevicePixel);
    info.m_rectDraw = CRect(0, 0, static_cast<int>(page.width() * 1440 / dpi), -static_cast<int>(page.height() * 1440 / dpi));
    view.OnBeginPrinting(&dc, &info);
    UINT from = info.GetFromPage(), to = info.GetToPage();
    if (!bPreview && printer.fromPage() > 0) {
        from = std::max(from, static_cast<UINT>(printer.fromPage()));
        to = std::min(to, static_cast<UINT>(printer.toPage()));
    }
    int printed = 0;
    for (UINT page = from; page <= to; ++page) {
        info.m_nCurPage = page;
        dc.SetMapMode(MM_TWIPS);
        view.OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting)
            break;
        if (printed > 0)
            printer.newPage();
        p.save();
        view.OnPrint(&dc, &info);
        p.restore();
        ++printed;
    }
    view.OnEndPrinting(&dc, &info);
    p.end();
    return printed;
}

BOOL CQtBackend::PrintView(CView& view, BOOL bPreview)
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setFullPage(true);
    }
    QPrinter& printer = *m_printer;
    CDocument* pDoc = view.GetDocument();
    CString title = pDoc ? pDoc->GetTitle() : CString("Torvane");
    printer.setDocName(ToQ(title));
    // A PDF goes beside the league, not into the folder the program was started in; a file
    // chosen for another league is not offered for this one. Without a printer the PDF file is
    // the way to paper.
    const QString pdf = QFile::decodeName(CFileDialog::ProposedPath(pDoc, "pdf").GetString());
    const CString strFor = pDoc ? pDoc->GetPathName() : CString();
    if (!printer.outputFileName().isEmpty() && strFor != m_strPrintedFor)
        printer.setOutputFileName(pdf);
    if (QPrinterInfo::availablePrinters().isEmpty() && printer.outputFileName().isEmpty())
        printer.setOutputFileName(pdf);
    m_strPrintedFor = strFor;
    if (bPreview) {
        QPrintPreviewDialog preview(&printer, MainWidget());
        preview.setWindowTitle(ToQ(title) + " - Print Preview");
        CWinApp* app = AfxGetApp();
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        if (widget && app && app->m_nNumPreviewPages == 2)
            widget->setViewMode(QPrintPreviewWidget::FacingPagesView);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [this, &view](QPrinter* pr) { PrintOn(view, *pr, true); });
        preview.resize(900, 800);
        preview.exec();
        if (widget && app)
            app->m_nNumPreviewPages = widget->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
        return TRUE;
    }
    QPrintDialog dlg(&printer, MainWidget());
    dlg.setWindowTitle("Print");
    // With a printer chosen, the dialog's "Print to File" would otherwise offer the home folder.
    if (printer.outputFileName().isEmpty())
        if (auto* file = dlg.findChild<QLineEdit*>("filename"))
            file->setText(pdf);
    if (dlg.exec() != QDialog::Accepted)
        return FALSE;
    return PrintOn(view, printer, false) >= 0;
}

BOOL CQtBackend::PrintSetup()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setFullPage(true);
    }
    QPageSetupDialog dlg(m_printer.get(), MainWidget());
    return dlg.exec() == QDialog::Accepted;
}

int CQtBackend::RunMessageLoop() { return QApplication::exec(); }

void CQtBackend::PostQuit(int nExitCode) { QApplication::exit(nExitCode); }

int AfxPrintViewToPdf(CView& view, const char* pszPath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromUtf8(pszPath));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    CQtBackend backend;
    return backend.PrintOn(view, printer, false);
}

BOOL AfxRenderViewToPng(CView& view, const char* pszPath, int nWidth, int nHeight)
{
    QImage img(nWidth, nHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    CPainterDC dc(&p, 96, 96, false);
    if (auto* sv = dynamic_cast<CScrollView*>(&view)) {
        CPoint pos = sv->GetScrollPosition();
        dc.SetWindowOrg(pos.x, pos.y);
    }
    view.OnPrepareDC(&dc, nullptr);
    view.OnDraw(&dc);
    p.end();
    return img.save(QString::fromUtf8(pszPath), "PNG");
}

CUiBackend* AfxCreateQtBackend() { return new CQtBackend; }

int AfxQtMain(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName("Quillmere");
    QApplication::setApplicationName("Torvane");
    // The installed desktop entry and icon (share/applications/torvane.desktop).
    QGuiApplication::setDesktopFileName("torvane");
    QApplication::setWindowIcon(QIcon::fromTheme("torvane"));
    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    app->SetCommandLine(argc, argv);
    int code = 0;
    {
        CQtBackend backend;
        CUiBackend* previous = AfxSetBackend(&backend);
        if (app->InitApplication() && app->InitInstance())
            code = app->Run();
        else
            code = app->ExitInstance();
        // The windows go before the QApplication does.
        app->ShutDownTemplates();
        AfxSetBackend(previous);
    }
    return code;
}

BOOL AfxRenderMainWindowToPng(const char* pszPath)
{
    QWidget* w = CQtBackend::MainWidget();
    if (!w)
        return FALSE;
    if (!w->isVisible()) {
        w->setAttribute(Qt::WA_DontShowOnScreen);
        w->show();
    }
    QApplication::processEvents();
    if (auto* main = dynamic_cast<CQtMainWindow*>(w))
        main->UpdateToolbar();
    return w->grab().save(QString::fromUtf8(pszPath), "PNG");
}
