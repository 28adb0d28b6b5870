#include "DirectoryFixture.h"
#include "TAdresatFrm.h"
#include "TTytulFrm.h"
#include "TUrzedyFrm.h"

#include <memory>

namespace {

class SavingFailure : public DirectoryFixture
{
};

}

// A store refused for a reason other than a duplicate name (here a character the code
// page cannot hold) leaves nothing half-stored in the shared list, says why, and keeps
// the editor open with the user's entries, ready for another try.
TEST_F(SavingFailure, CancelsThePendingChangeReportsItAndKeepsTheEntries)
{
    insert({
        "insert into TYTULY (TYTULID, NAZWA, TYTUL1) values (gen_id(GEN_TYTULID, 1), 'STARY', 'Stary tytuł')",
        "insert into ADRESACI (ADRESATID, NAZWA) values (gen_id(GEN_ADRESATID, 1), 'STARY')",
        "insert into URZEDY (URZADID, NAZWA) values (gen_id(GEN_URZADID, 1), 'STARY')",
    });
    dm.ReopenTitles();
    dm.ReopenContractors(0);
    dm.ReopenTaxOffices();
    struct Case
    {
        const char *window;
        Dataset *rows;
        std::function<std::unique_ptr<DirectoryEditor>()> make;
    } cases[] = {
        {"TTytulFrm", &dm.Tytuly, [] { return std::make_unique<TTytulFrm>(); }},
        {"TAdresatFrm", &dm.Adresaci, [] { return std::make_unique<TAdresatFrm>(); }},
        {"TUrzedyFrm", &dm.Urzedy, [] { return std::make_unique<TUrzedyFrm>(); }},
    };
    const QString refused = QStringLiteral("Bałwan ☃");
    for (const Case &c : cases) {
        for (const bool adding : {true, false}) {
            SCOPED_TRACE(std::string(c.window) + (adding ? " adding" : " correcting"));
            messages.warnings.clear();
            QString kept, focus;
            on(c.window, [&](QDialog &editor) {
                type(editor, "EdNazwa", refused);
                if (auto *title = editor.findChild<QLineEdit *>(QStringLiteral("EdTytul1")))
                    title->setText(QStringLiteral("Tytuł"));
                const int result = press(editor, "PostBtn");
                kept = control<QLineEdit>(editor, "EdNazwa")->text();
                focus = focusName(editor);
                EXPECT_EQ(c.rows->state(), Dataset::State::Browse);
                EXPECT_EQ(names(*c.rows), QStringList{"STARY"});
                return result;
            });
            const std::unique_ptr<DirectoryEditor> editor = c.make();
            EXPECT_FALSE(adding ? editor->ShowNew() : editor->ShowCurrent());
            ASSERT_EQ(messages.warnings.size(), 1);
            EXPECT_FALSE(messages.warnings.first().isEmpty());
            EXPECT_EQ(kept, refused);
            EXPECT_EQ(focus, QStringLiteral("EdNazwa"));
            EXPECT_EQ(c.rows->value(QStringLiteral("NAZWA")).toString(), QStringLiteral("STARY"));
        }
    }
}
