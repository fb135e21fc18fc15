// Owner of a precompiled header; nothing of its own.
