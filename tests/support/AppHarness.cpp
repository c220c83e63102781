#include "AppHarness.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "Fingerprint.h"
#include "windows/StartupWindow.h"

namespace lumra::test {

AppHarness::AppHarness() {
    modalWatch_.setInterval(5);
    QObject::connect(&modalWatch_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == lastModal_ || !modal->isVisible() ||
            modalActions_.empty()) {
            return;
        }
        // A person answers the window once it is active: its activation code has run by
        // then. A platform that never activates it gets the answer after a second.
        if (!modal->isActiveWindow() && ++inactiveTicks_ < 200) {
            return;
        }
        inactiveTicks_ = 0;
        lastModal_ = modal;
        auto action = modalActions_.front();
        modalActions_.erase(modalActions_.begin());
        if (modalActions_.empty()) {
            modalWatch_.stop();
        }
        action(modal);
    });
}

AppHarness::~AppHarness() = default;

void AppHarness::WriteDataSet() {
    SyntheticDataSet::Write(folder.Path());
    std::filesystem::copy_file(LUMRA_KELVO_PATH, folder.Path() + "libkelvo.so",
                               std::filesystem::copy_options::overwrite_existing);
}

Application& AppHarness::Create(int systemLanguageId, std::string expectedFingerprint) {
    if (expectedFingerprint.empty()) {
        ComputeFingerprint(folder.Path(), expectedFingerprint);
    }
    ApplicationConfig config;
    config.programFolder = folder.Path();
    config.expectedFingerprint = expectedFingerprint;
    config.companionExpected = companionExpected;
    config.systemLanguageId = systemLanguageId;
    config.randomSeed = 12345;
    app = std::make_unique<Application>(config, store, prompt,
                                        [this](int code) { endCodes.push_back(code); });
    return *app;
}

void AppHarness::OnNextModal(std::function<void(QWidget*)> action) {
    modalActions_.push_back(std::move(action));
    lastModal_ = nullptr;
    modalWatch_.start();
}

bool AppHarness::InNextModal(const std::function<void()>& open,
                             const std::function<void(QWidget*)>& steps) {
    bool ran = false;
    OnNextModal([&](QWidget* w) {
        ran = true;
        // The focus checks need the window active, which a busy machine delays.
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        steps(w);
        if (w->isVisible()) {
            QTest::keyClick(w, Qt::Key_Escape);
        }
    });
    open();
    return ran;
}

bool AppHarness::Start(bool acceptIntroduction) {
    OnNextModal([acceptIntroduction](QWidget* w) {
        QTest::keyClick(w, acceptIntroduction ? Qt::Key_Return : Qt::Key_Escape);
    });
    if (acceptIntroduction) {
        // The introduction's two notices are closed as they come.
        for (int notice = 0; notice < 2; ++notice) {
            OnNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        }
    }
    const bool started = app->Start();
    modalActions_.clear();
    modalWatch_.stop();
    return started;
}

Application& AppHarness::StartDefault() {
    WriteDataSet();
    Create();
    Start();
    return *app;
}

} // namespace lumra::test
