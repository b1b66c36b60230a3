#include "dictionary/LibPq.h"

#include <dlfcn.h>

#include <type_traits>

namespace vorkel {

std::shared_ptr<const LibPq> LibPq::load(std::string& error) {
  void* handle = ::dlopen("libpq.so.5", RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = ::dlerror();
    error = std::string("PostgreSQL's client library libpq.so.5 cannot be loaded (install "
                        "libpq5): ") + (why ? why : "not found");
    return nullptr;
  }
  auto pq = std::shared_ptr<LibPq>(new LibPq(handle));
  bool complete = true;
  auto bind = [&](auto& function, const char* name) {
    function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(handle, name));
    complete = complete && function != nullptr;
  };
  bind(pq->connectdbParams, "PQconnectdbParams");
  bind(pq->status, "PQstatus");
  bind(pq->finish, "PQfinish");
  bind(pq->reset, "PQreset");
  bind(pq->errorMessage, "PQerrorMessage");
  bind(pq->db, "PQdb");
  bind(pq->host, "PQhost");
  bind(pq->exec, "PQexec");
  bind(pq->execParams, "PQexecParams");
  bind(pq->resultStatus, "PQresultStatus");
  bind(pq->ntuples, "PQntuples");
  bind(pq->getvalue, "PQgetvalue");
  bind(pq->getlength, "PQgetlength");
  bind(pq->clear, "PQclear");
  if (!complete) {
    error = "PostgreSQL's client library libpq.so.5 lacks a function this program needs";
    return nullptr;
  }
  return pq;
}

LibPq::~LibPq() { ::dlclose(handle_); }

}  // namespace vorkel
