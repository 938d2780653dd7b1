#include "support/store_fixture.h"

#include "store/schema.h"

namespace cw::testing {

bool FillWithSchema() {
  Transaction tx;
  return CreateSchema() && tx.Commit();
}

}  // namespace cw::testing
