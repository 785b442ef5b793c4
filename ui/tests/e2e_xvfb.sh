#!/usr/bin/env bash
echo placeholder; exit 1
