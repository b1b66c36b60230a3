#pragma once
// A PostgreSQL server of a test's own: a new cluster in a temporary folder,
// listening only on a socket in that folder, stopped and removed at the end.
// The server binaries come from Debian's postgresql package. PostgreSQL
// refuses to run as root, so under root the server runs as the "postgres"
// user the package makes.

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vorkel {

class TemporaryPostgres {
 public:
  explicit TemporaryPostgres(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path versions = "/usr/lib/postgresql";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(versions, ec))
      if (fs::exists(entry.path() / "bin" / "initdb") && entry.path().string() > bin_)
        bin_ = entry.path().string();
    if (bin_.empty()) {
      problem_ = "no PostgreSQL server under /usr/lib/postgresql (install postgresql)";
      return;
    }
    bin_ += "/bin/";
    // A socket's path must stay short: the name is cut to its first letters.
    std::string tag;
    for (char c : name)
      if (std::isalnum(static_cast<unsigned char>(c)) && tag.size() < 16) tag += c;
    folder_ = fs::temp_directory_path() / ("pg-" + tag + "-" + std::to_string(::getpid()));
    fs::remove_all(folder_, ec);
    fs::create_directories(folder_);
    if (::geteuid() == 0) {
      runAs_ = "runuser -u postgres -- ";
      if (std::system(("chown postgres " + folder_.string()).c_str()) != 0) {
        problem_ = "cannot give " + folder_.string() + " to the postgres user";
        return;
      }
    }
    const auto data = (folder_ / "data").string();
    if (!run("initdb -D " + data + " -A trust -U vorkel -E UTF8 --locale=C --no-sync") ||
        !run("pg_ctl -D " + data + " -l " + (folder_ / "log").string() +
             " -o \"-k " + folder_.string() + " -c listen_addresses='' -F\" -w -s start")) {
      problem_ = "the test server did not start; see " + (folder_ / "log").string();
      return;
    }
    started_ = true;
  }

  ~TemporaryPostgres() {
    if (started_) run("pg_ctl -D " + (folder_ / "data").string() + " -m immediate -w -s stop");
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }

  TemporaryPostgres(const TemporaryPostgres&) = delete;
  TemporaryPostgres& operator=(const TemporaryPostgres&) = delete;

  // Empty when the server runs; else what went wrong.
  const std::string& problem() const { return problem_; }
  std::string connection(const std::string& database = "postgres") const {
    return "host=" + folder_.string() + " dbname=" + database + " user=vorkel";
  }
  // Runs SQL through psql as the test's superuser.
  bool psql(const std::string& sql, const std::string& database = "postgres") const {
    return std::system(("psql -q -v ON_ERROR_STOP=1 \"" + connection(database) + "\" -c \"" +
                        sql + "\" >/dev/null 2>&1")
                           .c_str()) == 0;
  }

 private:
  bool run(const std::string& command) const {
    return std::system((runAs_ + bin_ + command + " >/dev/null 2>&1").c_str()) == 0;
  }

  std::string bin_;
  std::filesystem::path folder_;
  std::string runAs_;
  std::string problem_;
  bool started_ = false;
};

}  // namespace vorkel
