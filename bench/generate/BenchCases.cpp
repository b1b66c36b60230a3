#include "bench/generate/BenchCases.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>

#include "bench/generate/ProcessRunner.h"

namespace vorkel::bench {

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// A file named case-insensitively `name` under `root`, at most three levels
// deep; the scratch folder and CMake's own folders are skipped.
std::optional<fs::path> findFile(const fs::path& root, const std::string& name,
                                 const fs::path& skip) {
  std::error_code ec;
  if (!fs::is_directory(root, ec)) return std::nullopt;
  const std::string wanted = lower(name);
  for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
       it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const fs::path& p = it->path();
    if (it->is_directory(ec)) {
      const std::string base = p.filename().string();
      if (it.depth() >= 2 || base == "CMakeFiles" || base.front() == '.' ||
          fs::equivalent(p, skip, ec))
        it.disable_recursion_pending();
      continue;
    }
    if (lower(p.filename().string()) == wanted) return p;
  }
  return std::nullopt;
}

}  // namespace

std::string iniValue(const fs::path& file, const std::string& key) {
  std::ifstream in(file);
  std::string line;
  bool inSection = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[') {
      inSection = lower(line) == "[skabelon]";
      continue;
    }
    const auto eq = line.find('=');
    if (!inSection || eq == std::string::npos) continue;
    if (lower(line.substr(0, eq)) == lower(key)) return line.substr(eq + 1);
  }
  return {};
}

std::optional<fs::path> resolveNamed(std::string value, const fs::path& skbDir,
                                     const std::vector<fs::path>& fallbacks) {
  if (value.empty()) return std::nullopt;
  std::replace(value.begin(), value.end(), '\\', '/');
  std::error_code ec;
  fs::path p(value);
  if (p.is_relative()) p = skbDir / p;
  if (fs::is_regular_file(p, ec)) return p;
  const std::string base = fs::path(value).filename().string();
  if (auto found = findFile(skbDir, base, {})) return found;
  for (const auto& dir : fallbacks) {
    const fs::path q = dir / base;
    if (fs::is_regular_file(q, ec)) return q;
  }
  return std::nullopt;
}

std::vector<Case> findModels(const Options& o, const std::string& suffix) {
  const fs::path source = fs::path(VORKEL_SOURCE_DIR) / "data";
  const fs::path build = VORKEL_BINARY_DIR;
  std::vector<Case> models;
  for (int n : o.models) {
    const std::string name = "Model" + std::to_string(n) + suffix + ".skb";
    std::optional<fs::path> skb;
    if (!o.templates.empty()) skb = findFile(o.templates, name, o.work);
    if (!skb) skb = findFile(build, name, o.work);
    if (!skb) skb = findFile(source, name, o.work);
    if (!skb) {
      std::cerr << "bench_generate: no template " << name << ", model skipped\n";
      continue;
    }
    Case m;
    m.name = "Model" + std::to_string(n);
    m.model = n;
    m.skb = fs::absolute(*skb);
    const fs::path dir = m.skb.parent_path();
    const auto ktd = resolveNamed(iniValue(m.skb, "Model"), dir, {source});
    m.ktd = ktd ? *ktd : source / ("Model" + std::to_string(n) + ".ktd");
    if (const auto dic = resolveNamed(iniValue(m.skb, "Trie"), dir, {build / "Dic"})) m.dic = *dic;
    models.push_back(m);
  }
  return models;
}

std::vector<Case> prepareGrids(const Options& o, const fs::path& dic,
                               std::vector<std::string>& notes) {
  std::vector<Case> cases;
  std::error_code ec;
  if (!fs::is_directory(o.grids, ec)) {
    notes.push_back("no grid set at " + o.grids);
    return cases;
  }
  std::vector<fs::path> pictures;
  for (const auto& e : fs::directory_iterator(o.grids, ec))
    if (e.path().extension() == ".txt") pictures.push_back(e.path());
  std::sort(pictures.begin(), pictures.end());
  const fs::path folder = fs::path(o.work) / "grids";
  fs::create_directories(folder, ec);
  const fs::path source = fs::path(VORKEL_SOURCE_DIR) / "data";
  for (const fs::path& picture : pictures) {
    Case c;
    c.name = picture.stem().string();
    c.ktd = folder / (c.name + ".ktd");
    c.skb = folder / (c.name + ".skb");
    c.dic = dic;
    const fs::path pathFile = folder / (c.name + ".vej");
    Outcome p = runProcess({o.vorkel, "grid", "import", picture.string(), c.ktd.string()}, 60);
    if (p.status == 0)
      p = runProcess({o.vorkel, "path", "auto", c.ktd.string(), "-o", pathFile.string()}, 120);
    if (p.status != 0) {
      notes.push_back(c.name + ": left out, " + firstLine(p.err));
      continue;
    }
    std::ofstream skb(c.skb, std::ios::binary);
    skb << "[Skabelon]\r\nModel=" << c.ktd.string() << "\r\nTrie=" << dic.string()
        << "\r\nVej=" << pathFile.string() << "\r\nParametre=" << (source / "default.par").string()
        << "\r\nDestDir=" << (fs::path(o.work) / "out").string() << "\r\nSprog=0\r\n";
    cases.push_back(c);
  }
  return cases;
}

}  // namespace vorkel::bench
