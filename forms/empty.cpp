// Keeps the resource library non-empty before any definition exists.
