// Torvcard library
