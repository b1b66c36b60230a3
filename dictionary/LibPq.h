#pragma once
// PostgreSQL's client library, loaded when a connection string is first
// used (dlopen). Linked in, it and what it needs (OpenSSL, Kerberos, LDAP)
// would cost every vorkel and penvik start about ten milliseconds, and most
// runs never touch a server. The functions the clue database calls, by the
// names of libpq-fe.h.

#include <libpq-fe.h>

#include <memory>
#include <string>

namespace vorkel {

class LibPq {
 public:
  // The library, or null with `error` set for the user (not installed, or
  // too old to hold every function below).
  static std::shared_ptr<const LibPq> load(std::string& error);
  ~LibPq();
  LibPq(const LibPq&) = delete;
  LibPq& operator=(const LibPq&) = delete;

  decltype(&::PQconnectdbParams) connectdbParams = nullptr;
  decltype(&::PQstatus) status = nullptr;
  decltype(&::PQfinish) finish = nullptr;
  decltype(&::PQreset) reset = nullptr;
  decltype(&::PQerrorMessage) errorMessage = nullptr;
  decltype(&::PQdb) db = nullptr;
  decltype(&::PQhost) host = nullptr;
  decltype(&::PQexec) exec = nullptr;
  decltype(&::PQexecParams) execParams = nullptr;
  decltype(&::PQresultStatus) resultStatus = nullptr;
  decltype(&::PQntuples) ntuples = nullptr;
  decltype(&::PQgetvalue) getvalue = nullptr;
  decltype(&::PQgetlength) getlength = nullptr;
  decltype(&::PQclear) clear = nullptr;

 private:
  explicit LibPq(void* handle) : handle_(handle) {}
  void* handle_;
};

}  // namespace vorkel
