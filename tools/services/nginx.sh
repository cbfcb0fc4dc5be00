# Sourced by tools/sandbox.sh with ZELVO_SERVICE_ACTION=start|stop: a private nginx on
# 127.0.0.1:80 serving $ZELVO_SANDBOX_RUN/www, logging each request to
# $ZELVO_SANDBOX_RUN/nginx/access.log.
zelvo_nginx_dir=$ZELVO_SANDBOX_RUN/nginx
case "$ZELVO_SERVICE_ACTION" in
start)
  mkdir -p "$zelvo_nginx_dir" "$ZELVO_SANDBOX_RUN/www/zelvoupdates"
  # The scratch folder is private to its owner; the server reads the documents as that owner.
  if nginx -q -e "$zelvo_nginx_dir/error.log" -p "$ZELVO_SANDBOX_RUN/" -c "$ZELVO_ROOT/tools/services/nginx.conf"; then
    for _ in $(seq 100); do
      [ -s "$zelvo_nginx_dir/nginx.pid" ] && break
      sleep 0.05
    done
  else
    echo "nginx.sh: nginx did not start, see $zelvo_nginx_dir/error.log" >&2
  fi
  ;;
stop)
  if [ -s "$zelvo_nginx_dir/nginx.pid" ]; then
    zelvo_nginx_pid=$(cat "$zelvo_nginx_dir/nginx.pid")
    kill "$zelvo_nginx_pid" 2>/dev/null
    for _ in $(seq 100); do
      kill -0 "$zelvo_nginx_pid" 2>/dev/null || break
      sleep 0.05
    done
    rm -f "$zelvo_nginx_dir/nginx.pid"
    unset zelvo_nginx_pid
  fi
  ;;
esac
unset zelvo_nginx_dir
