#include "support/ledger_check.h"

#include "core/ledger_audit.h"

namespace cw::testing {

Problems CheckLedger() { return {AuditLedger()}; }

}  // namespace cw::testing
