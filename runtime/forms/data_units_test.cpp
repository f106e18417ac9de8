// Database units wrap the database layer; the save-dialog unit asks through the platform actions.
#include "runtime/forms/forms_test_support.h"

#include <cstdio>

#include "db/database.h"

namespace forms_test {
namespace {

using forms::Define;
using forms::UnitKind;

forms::FormDef DataWindow(int id, const char* name)
{
    forms::FormDef d;
    d.id = id;
    d.name = name;
    d.caption = name;
    d.rect = {50, 50, 300, 200};
    d.units = {Define(UnitKind::DbConnection, 1, "数据库连接1"), Define(UnitKind::RecordSet, 2, "记录集3"),
               Define(UnitKind::SaveDialog, 3, "通用对话框保存", {}, "导出").Filter("*.txt", "txt")};
    return d;
}

class DataUnitsTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        // One file per test: ctest runs the tests of this file side by side.
        path_ = forms::ProgramFolder() + "\\forms_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".db";
        std::remove(path_.c_str());
        std::FILE* f = std::fopen(path_.c_str(), "wb");  // an empty file is an empty database
        ASSERT_NE(f, nullptr);
        std::fclose(f);
    }
    void TearDown() override
    {
        FormsTest::TearDown();
        std::remove(path_.c_str());
    }
    std::string path_;
};

TEST_F(DataUnitsTest, RecordSetOfOneWindowUsesTheConnectionOfAnother)
{
    forms::Form* main = forms::OpenModeless(DataWindow(600, "MainWindow"));
    forms::Form* report = forms::OpenModeless(DataWindow(601, "NameReportWindow"));
    ASSERT_NE(main, nullptr);
    ASSERT_NE(report, nullptr);
    DbConnection* connection = main->Get("数据库连接1").Connection();
    ASSERT_NE(connection, nullptr);
    ASSERT_TRUE(connection->Open(path_)) << connection->LastError() << " " << path_;
    ASSERT_TRUE(connection->Execute("create table mz (id integer primary key, 名字 text)"));

    forms::Unit& records = report->Get("记录集3");
    ASSERT_TRUE(records.AttachTo(main->Get("数据库连接1")));
    DbRecordSet* set = records.RecordSet();
    ASSERT_TRUE(set->OpenTable("mz"));
    ASSERT_TRUE(set->AddNew());
    ASSERT_TRUE(set->SetField(1, "张三丰"));
    ASSERT_TRUE(set->Update());

    // The record set keeps the connection it was attached to, even once that window has closed.
    main->Destroy();
    ASSERT_EQ(forms::FindForm("MainWindow"), nullptr);
    ASSERT_TRUE(set->OpenTable("mz"));
    ASSERT_EQ(set->RecordCount(), 1);
    EXPECT_EQ(set->Field(1), "张三丰");
    EXPECT_FALSE(records.AttachTo(report->Get("通用对话框保存")));
}

TEST_F(DataUnitsTest, SaveDialogAsksThroughThePlatformActions)
{
    forms::Form* form = forms::OpenModeless(DataWindow(602, "ExportWindow"));
    ASSERT_NE(form, nullptr);
    forms::Unit& dialog = form->Get("通用对话框保存");
    Log().savePathToGive = "";
    EXPECT_FALSE(dialog.ShowSaveDialog());
    EXPECT_EQ(dialog.FileName(), "");
    Log().savePathToGive = "C:\\名字.txt";
    EXPECT_TRUE(dialog.ShowSaveDialog());
    EXPECT_EQ(dialog.FileName(), "C:\\名字.txt");
    EXPECT_EQ(Log().saveRequests, 2);
    EXPECT_EQ(forms::ShowPlainMessageBox(form->Window(), "别忘了！", "提醒"), IDOK);
    ASSERT_EQ(Log().messages.size(), 1u);
    EXPECT_EQ(Log().messages[0], "提醒|别忘了！");
}

}  // namespace
}  // namespace forms_test
