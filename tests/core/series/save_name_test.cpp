// The name rules of "ENREGISTRER": what the pupil types and the folder shown give the file.
#include <gtest/gtest.h>

#include <string>

#include "core/series/save_name.hpp"

namespace tavir {
namespace {

struct NameCase {
    const char* name;
    std::string typed;
    std::string directory;
    std::string path;  // "" when refused
};
class SaveNameRules : public ::testing::TestWithParam<NameCase> {};

TEST_P(SaveNameRules, GiveThePathOrRefuse) {
    const auto& p = GetParam();
    const SaveName r = seriesSaveName(p.typed, p.directory);
    if (p.path.empty()) {
        EXPECT_FALSE(r.ok()) << *r.path;
        EXPECT_EQ(r.message, "Il faut donner un nom au fichier!");
        EXPECT_EQ(r.title, "Enregistrement impossible");
    } else {
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(*r.path, p.path);
        EXPECT_TRUE(r.message.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveNameRules,
    ::testing::Values(
        NameCase{"extension_replaced", "essai.txt", "/tmp/series", "/tmp/series/essai.C01"},
        NameCase{"path_ignores_the_folder_shown", "/tmp/autre/essai", "/tmp/series", "/tmp/autre/essai.C01"},
        NameCase{"cut_before_the_first_dot", "a.b.c", "/tmp/series", "/tmp/series/a.C01"},
        NameCase{"own_extension_not_doubled", "essai.C01", "/tmp/series", "/tmp/series/essai.C01"},
        NameCase{"trimmed_at_each_cut", "  x . y ", "/tmp/series", "/tmp/series/x.C01"},
        NameCase{"inner_blanks_kept", " mes molecules ", "/tmp/series", "/tmp/series/mes molecules.C01"},
        NameCase{"folder_ending_with_separator", "essai", "/tmp/series/", "/tmp/series/essai.C01"},
        NameCase{"root_folder", "essai", "/", "/essai.C01"},
        NameCase{"accented_name", "\xC3\xA9thanol", "/tmp", "/tmp/\xC3\xA9thanol.C01"},
        NameCase{"dot_in_the_folder_shown", "essai", "/home/eleve/mes.series", "/home/eleve/mes.series/essai.C01"},
        // Only the file name is cut: a dot in a typed folder is not an extension.
        NameCase{"dot_in_a_typed_folder", "/home/eleve/mes.series/essai.old", "/tmp",
                 "/home/eleve/mes.series/essai.C01"},
        // A relative path is relative to the folder shown, the current one when writing.
        NameCase{"relative_path", "sous/essai.txt", "/tmp/series", "/tmp/series/sous/essai.C01"},
        NameCase{"backslash_is_a_letter_here", "a\\b", "/tmp", "/tmp/a\\b.C01"},
        NameCase{"empty", "", "/tmp", ""}, NameCase{"blanks", "    ", "/tmp", ""},
        NameCase{"tab_and_blanks", " \t ", "/tmp", ""},
        NameCase{"only_an_extension", ".C01", "/tmp", ""},
        NameCase{"blank_before_the_dot", "   .txt", "/tmp", ""},
        NameCase{"dots_only", "...", "/tmp", ""},
        NameCase{"folder_without_file", "/tmp/autre/", "/tmp", ""},
        NameCase{"hidden_name_in_a_path", "/tmp/autre/.C01", "/tmp", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavir
