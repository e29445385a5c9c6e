// Torvsetup library
