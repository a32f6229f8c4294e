// interface
