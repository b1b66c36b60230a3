// `vorkel` as a new user meets it: the built program with the usual
// mistakes, one row per case, each checked for its exit code, what it
// prints and the files it leaves. Every line on stderr is the program's own
// ("vorkel COMMAND: ...") or indented below one.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "../document/IpuzRules.h"
#include "../platform/TempFolder.h"
#include "RunVorkel.h"

namespace vorkel {
namespace {

namespace fs = std::filesystem;
using testing::kStock;

struct Row {
  const char* what;
  std::vector<std::string> args;
  int exitCode;
  std::vector<std::string> outHas = {};
  std::vector<std::string> errHas = {};
  std::vector<std::string> errHasNot = {};
  std::vector<std::string> filesThere = {};    // relative to the test folder
  std::vector<std::string> filesNotThere = {};
  std::size_t maxErrLines = 20;
  const char* folder = "";  // where it runs, below the test folder
};

class CommandLineTest : public ::testing::Test {
 protected:
  testing::TempFolder dir;

  std::string at(const std::string& name) const { return dir / name; }

  testing::Outcome vorkel(const std::vector<std::string>& args, const std::string& folder = {}) {
    return testing::runVorkel(args, dir.path(), folder.empty() ? std::string() : at(folder));
  }

  // A template of its four files and more lines.
  void skb(const std::string& name, const std::string& model, const std::string& trie,
           const std::string& pathFile, const std::string& more = "") {
    dir.write(name, "[Skabelon]\r\nModel=" + model + "\r\nTrie=" + trie + "\r\nVej=" + pathFile +
                        "\r\nParametre=" + kStock + "/default.par\r\n" + more);
  }

  testing::Outcome check(const Row& row) {
    SCOPED_TRACE(row.what);
    const testing::Outcome r = vorkel(row.args, row.folder);
    EXPECT_EQ(r.exitCode, row.exitCode) << r.err.substr(0, 2000);
    for (const std::string& s : row.outHas) EXPECT_NE(r.out.find(s), std::string::npos) << r.out;
    const std::string err = r.err.substr(0, 2000);
    for (const std::string& s : row.errHas) EXPECT_NE(r.err.find(s), std::string::npos) << err;
    for (const std::string& s : row.errHasNot) EXPECT_EQ(r.err.find(s), std::string::npos) << err;
    for (const std::string& f : row.filesThere) EXPECT_TRUE(fs::exists(at(f))) << f;
    for (const std::string& f : row.filesNotThere) EXPECT_FALSE(fs::exists(at(f))) << f;
    std::istringstream lines(r.err);
    std::size_t count = 0;
    std::string foreign;  // the first line that is not the program's own
    for (std::string line; std::getline(lines, line); ++count)
      if (foreign.empty() && !line.starts_with("vorkel ") && !line.starts_with("  "))
        foreign = line;
    EXPECT_EQ(foreign, "");
    EXPECT_LE(count, row.maxErrLines) << r.err.substr(0, 2000);
    return r;
  }
};

TEST_F(CommandLineTest, TheUsualMistakesGetAClearAnswer) {
  const std::string dksort = kStock + "/dksort.dic";
  const std::string model1 = kStock + "/Model1.ktd";
  dir.write("small.txt", "kat\nkit\nhund\nmus\nko\nto\n");
  dir.write("other.txt", "kat\nfisk\n");
  dir.write("mine-utf8.txt", "caf\xC3\xA9\n\xC3\xB8rn\nbl\xC3\xA5\x62\xC3\xA6r\n");
  dir.write("bom.txt", "\xEF\xBB\xBFmus\nkat\n");
  dir.write("ones.txt", "a\nb\n");
  dir.write("blanks.txt", "  mus  \n");
  dir.write("empty.skb", "");
  dir.write("settings.skb", "[Opsat]\r\nGemmested=ud\r\n");
  dir.write("work/.keep", "");
  // A square of four two-letter words, and words whose letters Spanish
  // lacks; a 3 x 3 block that two words can never fill.
  dir.write("square.txt", "ab\ncd\nac\nbd\n\xE6\x62\n\xF8\x63\n\xE5\x64\n\xE6\xF8\n\xF8\xE5\n");
  dir.write("two.txt", "abc\ndef\n");
  dir.write("square-utf8.txt", "ab\ncd\nac\nbd\n\xC3\xB8l\n");
  dir.write("square.pic", "####\n#\xC3\x98\xC3\x98#\n#..#\n####\n");  // ØØ in the first row
  dir.write("block.ktd", "3 3\nAAA\nAAA\nAAA\n");
  ASSERT_EQ(vorkel({"grid", "import", at("square.pic"), at("square.ktd")}).exitCode, 0);
  for (const char* model : {"square", "block"})
    ASSERT_EQ(vorkel({"path", "auto", at(std::string(model) + ".ktd"), "-o",
                      at(std::string(model) + ".vej")})
                  .exitCode,
              0);
  skb("square.skb", "square.ktd", "square.txt", "square.vej");
  skb("spanish.skb", "square.ktd", "square.txt", "square.vej", "Sprog=9\r\n");
  skb("french.skb", "square.ktd", "square.txt", "square.vej", "Sprog=6\r\n");
  skb("block.skb", "block.ktd", "two.txt", "block.vej");
  skb("utf8.skb", "square.ktd", "square-utf8.txt", "square.vej");
  skb("foreign.skb", model1, "small.txt", kStock + "/Model2.vej");
  skb("tpl/nope.skb", model1, "nope.dic", kStock + "/Model1.vej");
  dir.write("tpl/novej.skb",
            "[Skabelon]\r\nModel=" + model1 + "\r\nTrie=" + dksort + "\r\n");

  const std::vector<Row> rows = {
      // 1. Hopeless runs end before the first attempt, or by their limits.
      {"a path of another model", {"generate", at("foreign.skb"), "--fill", "path", "-o", at("out")},
       1, {},
       {"Model2.vej: path stop 1 (cell 5,5 across) is on a clue cell"}, {"Prøver at finde"},
       {}, {"out"}},
      {"model letters no word fits", {"generate", at("square.skb"), "--with-letters", "--fill", "path"}, 1, {},
       {"square.txt: no word of the dictionary fits the letters ØØ of the slot across from "
        "cell 2,2"}},
      {"--max-tries", {"generate", at("block.skb"), "--fill", "path", "--max-tries", "20", "-o", at("out")},
       3,
       {}, {"stopped after 0 of 1 crosswords and 20 tries: --max-tries 20 reached"}},
      {"--timeout", {"generate", at("block.skb"), "--fill", "path", "--timeout", "1", "-o", at("out")},
       3, {}, {"--timeout of 1 s reached"}},
      // The fast fill follows no path and proves such a model hopeless itself.
      {"the fast fill's proof", {"generate", at("block.skb"), "-o", at("out")}, 1, {},
       {"no crossword can be made of this model with the words of 'two.txt'"}},
      // 2. Language numbers from the table only; per-word messages summed up.
      {"--language 1", {"dict", "stats", dksort, "--language", "1"}, 2, {},
       {"0 Danish, 2 German"}},
      {"--language 6", {"dict", "stats", dksort, "--language", "6"}, 2, {},
       {"French has no letter tables yet"}},
      {"Danish words read as English", {"dict", "stats", dksort, "--language", "10"}, 0,
       {"IALT:"}, {"words have letters that English (10) has not; skipped"}, {}, {}, {}, 6},
      {"a Spanish template with Danish words", {"generate", at("spanish.skb"), "-o", at("out9")},
       0, {"out9/x4_000.004"}, {"5 words have letters that Spanish (9) has not; skipped"}, {},
       {}, {}, 6},
      {"a language without tables", {"generate", at("french.skb"), "-o", at("out6")}, 0, {},
       {"Sprog=6 in the template: French (6) has no letter tables yet",
        "  Ikke endnu: Ikke endnu"}},
      // 3. One encoding rule.
      {"UTF-8 read as UTF-8", {"dict", "union", at("small.txt"), at("mine-utf8.txt"), "-o",
                               at("u.dic")}, 0, {}, {"9 words written"}},
      {"and exported", {"dict", "export", at("u.dic")}, 0, {"BLÅBÆR\nCAFE\n", "ØRN\n"}},
      {"cp1252 asked for UTF-8", {"dict", "union", at("small.txt"), at("mine-utf8.txt"),
                                  "--encoding", "cp1252", "-o", at("c.dic")}, 0, {},
       {"is UTF-8 text, but --encoding cp1252 reads it as Windows-1252"}},
      {"a byte-order mark", {"dict", "export", at("bom.txt")}, 0, {"KAT\nMUS\n"}},
      {"a UTF-8 list as a template's dictionary", {"generate", at("utf8.skb"), "-o", at("o8")},
       0, {"o8/x4_000.004"}, {}, {"Sprog og tegnsæt"}},
      // 4. Files recognised by their content.
      {"a model as dictionary", {"dict", "test", "ørn", model1}, 2, {},
       {"is not a dictionary (it looks like a crossword model (.ktd))"}},
      {"a model as anagram dictionary", {"anagram", "tog", "--dict", model1}, 1, {},
       {"is not a dictionary (it looks like a crossword model"}},
      {"a .dic imported", {"dict", "import", dksort, at("all.dic")}, 0, {}, {" words stored"},
       {" 0 words stored"}, {"all.dic"}},
      {"a model as template", {"generate", model1}, 1, {},
       {"is not a generation template (an INI file with a [Skabelon] section) (it looks like "
        "a crossword model"},
       {"PuslFlad"}},
      {"an empty template", {"generate", at("empty.skb")}, 1, {}, {"is empty"}, {"PuslFlad"}},
      {"a template without [Skabelon]", {"generate", at("settings.skb")}, 1, {},
       {"a settings file (INI) without a [Skabelon] section"}},
      // 6. Exit codes and arguments.
      {"an empty phrase", {"anagram", "", "--dict", at("small.txt")}, 2, {}, {"has no letters"}},
      {"a pattern with *", {"dict", "search", "k*", at("small.txt")}, 2, {},
       {"'*' is none of them"}},
      {"two words to test", {"dict", "test", "ørn ørn", at("small.txt")}, 2, {},
       {"give one word"}},
      {"a digit in a word", {"dict", "test", "ør1n", at("small.txt")}, 2, {},
       {"'1' is no letter of Danish (0)"}},
      {"a word there", {"dict", "test", "KAT", at("small.txt")}, 0, {"Ordet er der"}},
      {"a word missing", {"dict", "test", "hest", at("small.txt")}, 1, {"Ordet mangler"}},
      {"no words to store", {"dict", "import", at("ones.txt"), at("o.dic")}, 1, {},
       {"no words to store"}, {}, {}, {"o.dic"}},
      // 7. Names as the user wrote them, where they were looked for.
      {"a dictionary that is not there", {"generate", at("tpl/nope.skb"), "-o", at("out")}, 1,
       {}, {"Trie=nope.dic (the dictionary): cannot open 'nope.dic' (looked for " +
            at("tpl/nope.dic") + "): no such file"},
       {"Reinstaller", "DisplayKeyData"}},
      {"a key missing", {"generate", at("tpl/novej.skb"), "-o", at("out")}, 1, {},
       {"no Vej key (the path), and the default Puslflad.vej"}, {"Reinstaller"}},
      // 9. Nothing left in the user's folder.
      {"a join", {"dict", "join", at("small.txt"), at("other.txt"), "-o", "j.dic"}, 0, {},
       {"1 word written"}, {}, {"work/j.dic"}, {"work/bygtmp.dic"}, 20, "work"},
      // 10. Anagrams to stdout.
      {"anagrams", {"anagram", "ko to", "--dict", at("small.txt"), "--words", "2",
                    "--shortest", "2"}, 0, {"KO TO\n"}, {}, {}, {}, {"work/anagram.txt"}, 20,
       "work"},
      // 11. Small ones.
      {"blanks around a word", {"dict", "import", at("blanks.txt"), at("b.dic")}, 0, {},
       {"1 line read, 1 word stored, 0 skipped"}},
      {"a range", {"anagram", "tog", "--words", "99"}, 2, {}, {"from 1 to 15, not '99'"}},
      {"a long search ended by --timeout",
       {"anagram", "abcdefghijklmnopqrstuvwxyzæøåabcdefghijklmnopqrstuvwxyz", "--words", "15",
        "--timeout", "1"},
       3, {}, {"stopped by --timeout after"}},
      {"sorted", {"dict", "search", "k.t", at("small.txt"), "--sort"}, 0, {"KAT\nKIT\n"}},
      {"counted", {"dict", "search", "k.t", at("small.txt"), "--count"}, 0, {"2\n"}},
  };
  for (const Row& row : rows) check(row);

  // 5. Every command answers --help and -h with its usage, exit 0.
  const std::vector<std::vector<std::string>> commands = {
      {"generate"}, {"template", "new"}, {"path", "auto"}, {"grid", "show"},
      {"grid", "export"}, {"dict", "import"}, {"dict", "export"}, {"dict", "stats"},
      {"dict", "search"}, {"dict", "test"}, {"dict", "union"}, {"anagram"}, {"dict"}, {}};
  for (std::vector<std::string> args : commands)
    for (const char* help : {"--help", "-h"}) {
      args.push_back(help);
      const testing::Outcome r = check({"help", args, 0});
      EXPECT_TRUE(r.out.starts_with("usage: vorkel")) << r.out;
      args.pop_back();
    }
  check({"help COMMAND", {"help", "dict", "search"}, 0, {"usage: vorkel dict search"}});
  check({"--version", {"--version"}, 0, {"vorkel "}});
}

// From a picture to crosswords in three commands, then out as a picture, as
// text and as .ipuz, as the README tells it.
TEST_F(CommandLineTest, FromAPictureToCrosswordsAndOutAgain) {
  dir.write("mine/pic.txt", "#####\n#....\n#....\n#....\n#....\n");
  ASSERT_EQ(vorkel({"grid", "import", "pic.txt", "my.ktd"}, "mine").exitCode, 0);
  testing::Outcome r = vorkel({"template", "new", "my.ktd", "-o", "my.skb"}, "mine");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string skb = dir.read("mine/my.skb");
  for (const char* line : {"Model=my.ktd\r\n", "Vej=my.vej\r\n", "Parametre=default.par\r\n"})
    EXPECT_NE(skb.find(line), std::string::npos) << skb;
  r = vorkel({"generate", "my.skb", "-n", "3", "--seed", "5"}, "mine");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(r.err.empty()) << r.err;  // no registry noise without an installation
  ASSERT_TRUE(fs::exists(at("mine/x5_002.005"))) << r.out;

  r = vorkel({"grid", "export", "x5_000.005", "-o", "a.ipuz", "--words"}, "mine");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(testing::ipuzProblems(dir.read("mine/a.ipuz")), std::vector<std::string>{});
  EXPECT_NE(r.out.find("1 across 2,2 "), std::string::npos) << r.out;
  ASSERT_EQ(vorkel({"grid", "export", "x5_000.005", "-o", "a.svg"}, "mine").exitCode, 0);
  EXPECT_NE(dir.read("mine/a.svg").find("</svg>"), std::string::npos);
  ASSERT_EQ(vorkel({"grid", "export", "my.ktd", "-o", "m.txt"}, "mine").exitCode, 0);
  EXPECT_EQ(dir.read("mine/m.txt"), "#####\n#....\n#....\n#....\n#....\n");
}

TEST_F(CommandLineTest, CtrlCEndsALongAnagramSearchWithWhatItFound) {
  const pid_t pid =
      testing::spawnVorkel({"anagram", "abcdefghijklmnopqrstuvwxyzæøåabcdefghijklmnopqrstuvwxyz",
                            "--words", "15"},
                           at("stdout"), at("stderr"));
  ASSERT_GT(pid, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  ::kill(pid, SIGINT);
  EXPECT_EQ(testing::waitFor(pid, std::chrono::seconds(30)), 130) << dir.read("stderr");
  EXPECT_NE(dir.read("stderr").find("stopped by Ctrl-C after"), std::string::npos);
}

}  // namespace
}  // namespace vorkel
