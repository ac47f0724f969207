#include "clone/qt/port_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <string>

#include "base/settings.h"
#include "overlay/gtex.h"
#include "platform/port_info.h"
#include "support/radio_sim_process.h"
#include "support/test_paths.h"

namespace {

class FakePortSource : public cmcPortInfoSource {
public:
    std::vector<datPortInfo> AvailablePorts() const override { return ports; }
    std::vector<datPortInfo> ports;
};

// The dialog with its error box counted instead of shown.
class TestPortDialog : public cuiPortDialog {
public:
    using cuiPortDialog::cuiPortDialog;
    int errors = 0;

protected:
    void ShowRangeError() override { ++errors; }
};

class PortDialog : public testing::Test {
protected:
    void SetUp() override {
        setenv("KTV818X_PORT_DIR", m_folder.path().c_str(), 1);
        store.SetSourceFile(BinPath("KTV818X.OVL").string());
        settings.comPort = 3;
        ports.ports = {{"ttyUSB0", "FT232R USB UART", "FTDI", "/dev/ttyUSB0"},
                       {"ttyS2", "16550A UART", "", "/dev/ttyS2"}};
    }
    void TearDown() override { unsetenv("KTV818X_PORT_DIR"); }

    std::unique_ptr<TestPortDialog> Make(clsPortDialogMode mode) {
        return std::make_unique<TestPortDialog>(nullptr, mode, store, settings, ports);
    }

    cmcGTex store;
    datSettings settings;
    FakePortSource ports;

private:
    TempFolder m_folder;
};

QStringList Items(const QComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

TEST_F(PortDialog, TypedAnswersSetThePortOrShowTheErrorAndStayOpen) {
    struct Case {
        const char* text;
        int32_t port;  // 0: the error box
    };
    const Case cases[] = {{"0", 0}, {"257", 0}, {"abc", 0}, {"", 0}, {" 12 ", 12}, {"256", 256}};
    for (const clsPortDialogMode mode :
         {clsPortDialogMode::Number, clsPortDialogMode::NumberList}) {
        for (const Case& c : cases) {
            settings.comPort = 3;
            auto dialog = Make(mode);
            dialog->show();
            QLineEdit* input = mode == clsPortDialogMode::Number ? dialog->NumberEdit()
                                                                 : dialog->PortList()->lineEdit();
            ASSERT_NE(input, nullptr);
            EXPECT_EQ(input->text(), "3");
            input->setText(c.text);
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
            const std::string label = std::to_string(static_cast<int>(mode)) + " '" + c.text + "'";
            if (c.port == 0) {
                EXPECT_EQ(dialog->errors, 1) << label;
                EXPECT_TRUE(dialog->isVisible()) << label;
                EXPECT_EQ(settings.comPort, 3) << label;
                QWidget* box = mode == clsPortDialogMode::Number
                                   ? static_cast<QWidget*>(dialog->NumberEdit())
                                   : dialog->PortList();
                EXPECT_EQ(dialog->focusWidget(), box) << label << ": the input keeps the focus";
            } else {
                EXPECT_EQ(dialog->errors, 0) << label;
                EXPECT_EQ(dialog->result(), QDialog::Accepted) << label;
                EXPECT_EQ(settings.comPort, c.port) << label;
            }
        }
    }
}

TEST_F(PortDialog, EnterAcceptsEscapeAndCancelChangeNothing) {
    auto dialog = Make(clsPortDialogMode::Number);
    dialog->show();
    dialog->NumberEdit()->setText("17");
    QTest::keyClick(dialog->NumberEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.comPort, 17);

    for (const bool escape : {true, false}) {
        settings.comPort = 3;
        dialog = Make(clsPortDialogMode::Number);
        dialog->show();
        dialog->NumberEdit()->setText("20");
        if (escape) {
            QTest::keyClick(dialog->NumberEdit(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        }
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << escape;
        EXPECT_FALSE(dialog->isVisible()) << escape;
        EXPECT_EQ(settings.comPort, 3) << escape;
    }
}

TEST_F(PortDialog, EachModeShowsItsOwnInputAndAllTextsComeFromTheOverlay) {
    for (const clsPortDialogMode mode : {clsPortDialogMode::Number, clsPortDialogMode::NumberList,
                                         clsPortDialogMode::DescriptionList}) {
        auto dialog = Make(mode);
        dialog->show();
        EXPECT_EQ(dialog->NumberEdit()->isVisible(), mode == clsPortDialogMode::Number);
        EXPECT_EQ(dialog->PortList()->isVisible(), mode != clsPortDialogMode::Number);
        EXPECT_EQ(dialog->PortList()->isEditable(), mode == clsPortDialogMode::NumberList);
        EXPECT_EQ(dialog->windowTitle().toStdString(),
                  store.GetFirstLine("GI_AppInd_Opt_ComSel_Caption"));
        EXPECT_EQ(dialog->OkButton()->text().toStdString(),
                  store.GetLine("GI_AppInd_Opt_ComSel_Buttons", 0));
        EXPECT_EQ(dialog->CancelButton()->text().toStdString(),
                  store.GetLine("GI_AppInd_Opt_ComSel_Buttons", 1));
        EXPECT_TRUE(dialog->OkButton()->isDefault());
        // The window has the layout's size and the buttons its places.
        EXPECT_EQ(dialog->size(), QSize(dialog->Layout().width, dialog->Layout().height));
        EXPECT_EQ(dialog->CancelButton()->geometry().right() + 1,
                  dialog->Layout().width - dialog->Layout().margin);
    }
}

TEST_F(PortDialog, TheDescriptionListRefillsOnDropDownAndKeepsTheChosenPort) {
    settings.comPort = 17;
    auto dialog = Make(clsPortDialogMode::DescriptionList);
    dialog->show();
    cuiPortComboBox* list = dialog->PortList();
    EXPECT_EQ(Items(*list),
              (QStringList{"3: 16550A UART (ttyS2)", "17: FT232R USB UART, FTDI (ttyUSB0)"}));
    EXPECT_EQ(list->currentIndex(), 1);

    int resets = 0;
    auto count = [&resets] { ++resets; };
    QObject::connect(list->model(), &QAbstractItemModel::rowsRemoved, count);
    QObject::connect(list->model(), &QAbstractItemModel::modelReset, count);
    list->showPopup();
    list->hidePopup();
    EXPECT_EQ(resets, 0) << "an unchanged list is left as it is";

    // A second cable ahead of the chosen one: the list changes, the choice stays on 17.
    ports.ports.push_back({"ttyS0", "16550A UART", "", "/dev/ttyS0"});
    list->showPopup();
    list->hidePopup();
    EXPECT_GT(resets, 0);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentText(), "17: FT232R USB UART, FTDI (ttyUSB0)");

    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.comPort, 17);
}

TEST_F(PortDialog, TheNumberListRefillsAndLeavesTheTypedTextInPlace) {
    auto dialog = Make(clsPortDialogMode::NumberList);
    dialog->show();
    cuiPortComboBox* list = dialog->PortList();
    EXPECT_EQ(Items(*list), (QStringList{"3", "17"}));
    list->lineEdit()->setText("4");
    ports.ports.push_back({"ttyACM0", "", "Orva", "/dev/ttyACM0"});
    list->showPopup();
    list->hidePopup();
    EXPECT_EQ(Items(*list), (QStringList{"3", "17", "33"}));
    EXPECT_EQ(list->currentText(), "4");
}

TEST_F(PortDialog, AnEmptyPortListStillTakesATypedNumber) {
    ports.ports.clear();
    auto dialog = Make(clsPortDialogMode::NumberList);
    dialog->show();
    EXPECT_EQ(dialog->PortList()->count(), 0);
    dialog->PortList()->lineEdit()->setText("9");
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(settings.comPort, 9);

    // With nothing to choose in mode 2, OK says the answer is out of range.
    settings.comPort = 3;
    dialog = Make(clsPortDialogMode::DescriptionList);
    dialog->show();
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->errors, 1);
    EXPECT_EQ(settings.comPort, 3);
}

TEST_F(PortDialog, RunsModallyCentredOverTheMainWindowAndAnswersWhetherThePortWasSet) {
    QWidget mainWindow;
    mainWindow.setGeometry(60, 40, 700, 500);
    mainWindow.show();
    struct Case {
        const char* text;
        bool ok;  // OK pressed, else Cancel
        bool accepted;
        int32_t port;
    };
    const Case cases[] = {{"5", true, true, 5}, {"6", false, false, 5}};
    for (const Case& c : cases) {
        QPoint offset;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<cuiPortDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            offset = dialog->frameGeometry().center() - mainWindow.frameGeometry().center();
            dialog->NumberEdit()->setText(c.text);
            (c.ok ? dialog->OkButton() : dialog->CancelButton())->click();
        });
        EXPECT_EQ(ShowPortDialog(&mainWindow, 0, store, settings, ports), c.accepted) << c.text;
        EXPECT_EQ(settings.comPort, c.port) << c.text;
        EXPECT_LE(offset.manhattanLength(), 2) << c.text;
    }
    EXPECT_FALSE(ShowPortDialog(&mainWindow, 3, store, settings, ports));
}

TEST_F(PortDialog, TheRadioSimulatorsPortShowsAsTheSimulator) {
    ports.ports.clear();
    TempFolder simFolder;
    RadioSimProcess sim(simFolder.path(), 9, {});
    ASSERT_TRUE(sim.IsReady()) << sim.Log();
    settings.comPort = 9;
    auto dialog = Make(clsPortDialogMode::DescriptionList);
    dialog->show();
    ASSERT_EQ(dialog->PortList()->count(), 1);
    const std::string item = dialog->PortList()->currentText().toStdString();
    EXPECT_EQ(item.rfind("9: ktv818x radio simulator (pts/", 0), 0u) << item;
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(settings.comPort, 9);
}

}  // namespace
