#pragma once

// The import of KSeF invoices (reading the files, the invoices and their numbers, and
// planning each order against the database) against reading the same files with the
// XML reader alone, and the storing of the orders; on a database file opened in-process.
// Prints figures only.
int RunImportBench(int invoices);
