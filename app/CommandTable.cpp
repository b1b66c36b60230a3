#include "app/CommandTable.h"

#include <algorithm>
#include <map>
#include <set>

namespace vorkel {

namespace {

using K = MenuEntry::Kind;

MenuEntry item(int id, std::string_view text) { return MenuEntry{K::Command, id, text, {}, {}}; }
MenuEntry separator() { return MenuEntry{K::Separator, 0, {}, {}, {}}; }
MenuEntry popup(std::string_view text, int hint, std::string_view page,
                std::vector<MenuEntry> children) {
  return MenuEntry{K::Popup, hint, text, std::move(children), page};
}

// The string table: the status-bar text of every number that has one.
const std::map<int, std::string_view>& strings() {
  static const std::map<int, std::string_view> table{
      {24332, "Åbn en bygge-skabelon"},
      {24333, "Gem en skabelon"},
      {24334, "Gem den aktive skabelon under et nyt navn"},
      {24310, "Forlad vorkelen"},
      {51695, "Ændre størrelsen af denne kryds"},
      {51708, "Indstil Zoom-procenten"},
      {51709, "Byt om på lodret og vandret i denne kryds"},
      {51701, "Slet alle løsnings-ord og bogstaver i denne kryds"},
      {51682, "Hent en krydsord ind som model"},
      {51687, "Gem en krydsords-model"},
      {51673, "Hent ordliste ind fra harddisk/CD (udskifter den nuværende ordbog i memory)"},
      {11857, "Tilføj en fil med ord eller en dic-fil til den nuværende ordbog "
              "(foreningsmængde / union)"},
      {11860, "Slet de ord i ordbogen der står i en tekstfil (subtraher)"},
      {11862, "Bevar kun de ord der både er i ordbogen og i en tekstfil (fællesmængde / join)"},
      {51689, "Gem ordliste på harddisk"},
      {51702, "Slet, Tilføj og tjek ord i ordlisten"},
      {51703, "Oplysninger om ordlisten"},
      {51707, "Søg et ord i ordlisten"},
      {51688, "Skift til andet sprog"},
      {11842, "Lad computeren finde anagrammer til navne, ord eller sætninger"},
      {51670, "Skab en ny (begyndelse på) en vej"},
      {51691, "Se, gennemgå og lav om på den rækkefølge ordene findes i"},
      {51663, "Automatisk kontrol og optimering af vejen"},
      {11859, "Automatisk vejlægning - Kun brugbar i letkonstruerbare krydser"},
      {51704, "Gem vejen på disk"},
      {51664, "Hent en vej fra disk (Skal passe eller passes sammen med kryds-modellen)"},
      {51677, "Se og ændre i fuzzy-parametre"},
      {51698, "Hent Fuzzy-parametre fra disk"},
      {51699, "Gem fuzzy-parametre på disk"},
      {11858, "Gå til den brugervenlige enkle generator-menu"},
      {51760, "Tjek om kryds er klar til generering"},
      {51696, "Angiv i hvilket bibliotek de færdig-byggede krydser skal gemmes i"},
      {51692, "Byg kryds ud fra de felter der allerede er udfyldt (det sværeste)"},
      {11843, "Definer en række ord som skal med i den færdige krydsord - skriv i tvang.txt"},
      {51686, "Byg ny kryds uden at tage højde for eventuelle udfyldte felter"},
      {2001, "Indhold af online hjælp"},
      {2009, "Om Vorkelen"},
      {11852, "Sæt Wizarden i gang med adgang til 6 modeller"},
      {11849, "Vorkelen kalder automatisk Penviken og overføre 5 råkryds til færdiggørelse"},
      {11850, "Lav 500 krydser og gem i den angivne sti"},
      {11851, "Vorkelen stopper efter en krydsord"},
      {11855, "Se det bibliotek hvor råkrydserne ligger og giv mulighed for at slette"},
      {18873, "Tag den aktuelle kryds med over i Penviken"},
      {11847, "Adgang til at skrive og rette i den kryds du ser på skærmen. Krydsord med egne "
              "tilføjede ord tager betydelig længere tid at lave"},
      {11848, "Skrift til avanceret menu med alle de muligheder og faldgruber det giver"},
      {901, "Gå til hjælpeteksten"},
      // Popups and further strings.
      {11844, "Adgang til at slette og rydde blandt de krydser der er lavet"},
      {11846, "Adgang til de mere avancerede og indviklede dele af Vorkelen"},
      {11845, "Sæt computeren til at lave krydsord efter modellen på skærmen"},
      {11853, "Forlad Vorkelen"},
      {11854, "Gå til penviken der giver mulighed for at se og rydde op"},
      {24331, "Operationer på hele skabeloner"},
      {51669, "Fastlæg den rækkefølge ordene skal findes i"},
      {51672, "Adgang til ordbogen/ordforrådet"},
      {51676, "Adgang til fuzzy-parametre"},
      {51685, "Skab en helt ny kryds"},
      {57643, "Fortryd den sidste ændring af krydset eller vejen"},
      {57644, "Gentag den ændring af krydset eller vejen, der sidst blev fortrudt"},
      {51693, "Slet alle løsnings-ord og bogstaver i denne kryds"},
      {2000, "Adgang til online hjælp"},
      {18874, "Automatisk vejlægning - Kun brugbar i simple krydser"},
      {18875, "Definer en række ord som skal med i den færdige løsning."},
  };
  return table;
}

// Each popup's hint is the group string that describes what it holds; the
// string numbered one below a popup's first command is that string wherever
// the table has one.
std::vector<MenuEntry> advanced() {
  using namespace command;
  return {
      popup("&Skabelon", 24331, "skabelon.html",
            {item(openTemplate, "Å&bne..."), separator(), item(saveTemplate, "&Gem"),
             item(saveTemplateAs, "Gem &som.."), separator(), item(exit, "E&xit\tAlt+F4")}),
      popup("&Kryds", 51685, "kryds.html",
            {item(resize, "&Ændre størrelse"), item(zoom, "&Zoom"),
             item(transpose, "&Drej 90 grader"), item(clear, "&Rens"),
             item(openModel, "&Hent som model"), item(saveModel, "&Gem kryds-(model)"),
             separator(), item(undo, "&Fortryd\tCtrl+Z"), item(redo, "&Gentag\tCtrl+Y")}),
      popup("&Ordbog", 51672, "ordbog.html",
            {item(replaceWordList, "&Hent ny ord-liste (erstat)"),
             item(uniteWordList, "&Tilføj ord-liste (union)"),
             item(subtractWordList, "Slet fra ordliste (sub)"),
             item(joinWordList, "&Fællesord fra ordliste (join)"), separator(),
             item(saveWordList, "&Gem ord-liste"), item(editDictionary, "&Ændre indhold"),
             item(statistics, "&Oplys"), item(searchWord, "Søg et &ord"),
             item(changeLanguage, "&Skift sprog"), item(anagram, "Lav &Anagram")}),
      popup("&Vej", 51669, "vej.html",
            {item(newPath, "&Ny Vej"), item(editPath, "&Ret vej"),
             item(optimisePath, "&Optimer/Kontroller"), item(autoPath, "&Autovej"),
             item(savePath, "&Gem vejlisten"), item(loadPath, "&Hent Vejliste")}),
      popup("&Fuzzy", 51676, "fuzzy.html",
            {item(editParameters, "&Ændre Parametre"), item(loadParameters, "&Hent Parametre"),
             item(saveParameters, "&Gem Parametre")}),
      popup("&Generer", 11845, "generer.html",
            {item(simpleMenu, "Gå til &simpel"), item(check, "&Tjek"),
             item(outputFolder, "&Gemmested"), item(generateWithLetters, "Generer &m/tegn"),
             item(generateForced, "Generer  &Tvang"),
             item(generateWithoutLetters, "Generer &u/tegn")}),
      popup("&Hjælp", 2000, "hjaelp.html",
            {item(helpContents, "&Indhold"), separator(), item(about, "&Om Vorkelen...")}),
  };
}

std::vector<MenuEntry> simple() {
  using namespace command;
  return {
      popup("&File", 11853, "simpel.html", {item(wizard, "Wizard"), separator(), item(exit, "E&xit")}),
      popup("&Run", 11845, "simpel.html",
            {item(runFiveToDrawer, "&Lav 5 og gå til Penviken"),
             item(runFiveHundred, "&Gem 500 i ...."),
             item(runOneAndShow, "&Stop og vis hver eneste")}),
      popup("Options", 11844, "simpel.html",
            {item(cleanUp, "&Slet/Ryd op..."), item(goToDrawer, "Gå til Penvik")}),
      popup("&Avanceret", 11846, "simpel.html",
            {item(editMode, "&Skriv og ret i krydsord"),
             item(advancedMenu, "Gå til Avanceret menu")}),
      popup("&Hjælp", 2000, "hjaelp.html",
            {item(helpTopics, "&Emner"), separator(), item(aboutSimple, "&Om Vorkelen...")}),
  };
}

void collect(const std::vector<MenuEntry>& entries, std::set<int>& out) {
  for (const MenuEntry& e : entries) {
    if (e.kind == K::Command) out.insert(e.id);
    collect(e.children, out);
  }
}

}  // namespace

const std::vector<MenuEntry>& menuOf(MenuId menu) {
  static const std::vector<MenuEntry> simpleMenu = simple();
  static const std::vector<MenuEntry> advancedMenu = advanced();
  return menu == MenuId::Simple ? simpleMenu : advancedMenu;
}

std::string_view hintText(int number) {
  const auto& table = strings();
  auto it = table.find(number);
  return it == table.end() ? std::string_view() : it->second;
}

std::string_view helpPageOf(int number) {
  for (MenuId menu : {MenuId::Advanced, MenuId::Simple})
    for (const MenuEntry& p : menuOf(menu))
      for (const MenuEntry& e : p.children)
        if (e.kind == K::Command && e.id == number) return p.helpPage;
  return "index.html";
}

std::vector<int> allCommands() {
  std::set<int> numbers{command::savePathToo, command::help};
  collect(menuOf(MenuId::Simple), numbers);
  collect(menuOf(MenuId::Advanced), numbers);
  return {numbers.begin(), numbers.end()};
}

}  // namespace vorkel
