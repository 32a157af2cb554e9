# Tests that run under Wine (added below).
