#pragma once
// What tests share that drive the real Qt widgets themselves: a step run once the next modal
// window is up, a control's widget by its id, and the Qt backend installed for a test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "TempDir.h"
#include "framework/qt/QtBackend.h"
#include "framework/ui/Wnd.h"
#include "resources/Resource.h"

inline void WhenModal(std::function<void(QWidget*)> fn)
{
    QTimer::singleShot(0, [fn] {
        QWidget* w = QApplication::activeModalWidget();
        for (int i = 0; !w && i < 50; ++i) {
            QApplication::processEvents();
            w = QApplication::activeModalWidget();
        }
        ASSERT_NE(w, nullptr);
        fn(w);
    });
}

template <class T = QWidget>
T* Control(QWidget* dlg, UINT id)
{
    for (QWidget* c : dlg->findChildren<QWidget*>()) {
        QVariant v = c->property("torvaneCtl");
        if (v.isValid() && static_cast<CControlState*>(v.value<void*>())->id == id)
            return qobject_cast<T*>(c);
    }
    return nullptr;
}

// The texts of labels, in the order given.
inline QStringList LabelTexts(QWidget* dlg, std::initializer_list<UINT> ids)
{
    QStringList texts;
    for (UINT id : ids)
        texts << Control<QLabel>(dlg, id)->text();
    return texts;
}

// Focus on the box, its text selected and typed over.
inline void Retype(QLineEdit* box, const char* text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

struct QtUi
{
    TempDir settings;
    std::unique_ptr<CUiBackend> backend;
    CUiBackend* previous;
    // The settings in a folder of their own, or in the one given.
    explicit QtUi(const std::string& folder = {})
    {
        RegisterResources();
        AfxUseSettingsFolder(folder.empty() ? settings.path().string().c_str() : folder.c_str());
        backend.reset(AfxCreateQtBackend());
        previous = AfxSetBackend(backend.get());
    }
    ~QtUi() { AfxSetBackend(previous); }
};
