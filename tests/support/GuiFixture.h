#pragma once

#include "app/ui/CMainFrame.h"
#include "app/ui/CNutritionApp.h"
#include "app/ui/ProgramStyle.h"
#include "diary/CFoodDBDoc.h"
#include "platform/AppEnvironment.h"
#include "platform/IWaitCursor.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageBox.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Widgets on the offscreen platform at zoom 2, over a fresh data folder with a fixed clock.
class GuiTest : public ::testing::Test
{
protected:
    static QApplication& App()
    {
        static int argc = 1;
        static char arg0[] = "gui_tests";
        static char* argv[] = {arg0, nullptr};
        static QApplication* app = [] {
            qputenv("QT_SCALE_FACTOR", "2");
            auto* application = new QApplication(argc, argv);
            QApplication::setStyle(new ProgramStyle); // as the program has it
            return application;
        }();
        return *app;
    }

    struct NoWaitCursor : IWaitCursor
    {
        void Begin() override {}
        void End() override {}
    };

    void SetUp() override
    {
        App();
        ASSERT_TRUE(m_dir.isValid());
        m_folders = DataFolders::ForHome(m_dir.path());
        QString error;
        m_env = AppEnvironment::Open(
            m_folders, std::make_unique<FixedClock>(LocalDateTime{2026, 12, 9, 20, 0, 0, 0}), &error);
        ASSERT_TRUE(m_env) << error.toStdString();
        qunsetenv("VELLAMO_HELP_VIEWER");
    }

    void TearDown() override
    {
        m_app.reset();
        m_env.reset();
    }

    // The application object through its start-up.
    CNutritionApp& Start()
    {
        m_app = std::make_unique<CNutritionApp>(*m_env, m_box, m_wait);
        EXPECT_TRUE(m_app->StartUp());
        return *m_app;
    }
    CMainFrame& Frame() { return *m_app->Frame(); }
    // The fixed clock the environment was opened with.
    FixedClock& TestClock()
    {
        return const_cast<FixedClock&>(static_cast<const FixedClock&>(m_env->TheClock()));
    }
    CFoodDBDoc& Doc() { return m_app->Doc(); }

    // Runs an action on the next modal dialog once it is showing.
    static void OnNextModal(std::function<void(QWidget*)> action)
    {
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, action] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                timer->stop();
                timer->deleteLater();
                action(w);
            }
        });
        timer->start();
    }

    // Types a path into a file dialog's name field, as a user would, and accepts it. selectFile
    // alone leaves the field as it is while the field has the focus, which depends on how soon
    // the window came up.
    static void ChooseFile(QFileDialog* dialog, const QString& path)
    {
        dialog->selectFile(path);
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    }

    // A child by the program's control id.
    template <typename T = QWidget> static T* Control(QWidget* parent, int id)
    {
        for (T* w : parent->findChildren<T*>())
            if (w->property("id").toInt() == id)
                return w;
        return nullptr;
    }

    // Clicks a date field on the character at index of its text, as a user points at a
    // part of the date, then types there.
    static void ClickAndType(QDateEdit* edit, int index, const QString& typed)
    {
        edit->window()->show();
        QApplication::setActiveWindow(edit->window());
        auto* line = edit->findChild<QLineEdit*>();
        const QFontMetrics metrics(line->font());
        const QString text = line->text();
        const int x = line->contentsRect().left() + line->textMargins().left() + 2 +
                      metrics.horizontalAdvance(text.left(index)) +
                      metrics.horizontalAdvance(text.at(index)) / 2;
        QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(x, line->height() / 2));
        QTest::keyClicks(edit, typed);
    }

    // Renders a widget into the build folder's screenshots, at the zoom of the tests.
    static void Shot(QWidget* w, const QString& name)
    {
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        QApplication::processEvents(); // pending layouts first
        w->grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(name));
    }

    // A profile written straight into the store, as an earlier run would leave it.
    quint32 AddProfile(const QString& name, bool open)
    {
        CProfileTable profiles(m_env->Store(), m_env->TheClock());
        const quint32 id = profiles.NewRecord();
        profiles.Load();
        profiles.Buffer().name = name;
        profiles.Buffer().Set(CProfileTable::kOpen, open);
        profiles.Save();
        return id;
    }

    QTemporaryDir m_dir;
    DataFolders m_folders = DataFolders::ForHome(QString());
    std::unique_ptr<AppEnvironment> m_env;
    RecordingMessageBox m_box;
    NoWaitCursor m_wait;
    std::unique_ptr<CNutritionApp> m_app;
};
